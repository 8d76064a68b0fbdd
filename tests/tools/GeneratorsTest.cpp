// The generators in tools/ make exactly the files shipped in data/.

#include "support/TempFiles.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::TempFolder;

int RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZEZ_BIN_DIR "/") + tool, arguments);
    if (!process.waitForFinished(120000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(GeneratorsTest, MakeWorldAndMakeSampleReproduceTheShippedFiles) {
    TempFolder out;
    auto same = [&](const QString& name, const QString& shipped) {
        return ReadFile(out.path() + name) == ReadFile(QStringLiteral(ZEZ_DATA_DIR "/") + shipped);
    };
    ASSERT_EQ(RunTool("make_world", {out.path()}), 0);
    for (const char* name : {"map-area.dat", "map-hex.dat"}) EXPECT_TRUE(same(name, name)) << name;
    ASSERT_EQ(RunTool("make_sample", {QStringLiteral(ZEZ_DATA_DIR), out.path()}), 0);
    for (const char* turn : {"1880-1", "1882-3"}) {
        EXPECT_EQ(QDir(out.path() + turn).entryList(QDir::Files).size(), 7);  // nothing more
        for (int player = 1; player <= 7; ++player) {
            const QString name = QStringLiteral("%1/plyrdata.%2").arg(turn).arg(player);
            EXPECT_TRUE(same(name, "sample/" + name)) << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace qm
