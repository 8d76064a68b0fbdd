// The generators in tools/ make exactly the files shipped in data/.

#include "support/TempFiles.h"

#include <QDirIterator>
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
    // Every turn's reports and orders, and nothing more.
    auto files = [](const QString& root) {
        QStringList names;
        for (QDirIterator it(root, {"plyrdata.*", "*.dat", "*.tmp"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            names << it.next().mid(root.size());
        names.removeAll("map-area.dat");
        names.removeAll("map-hex.dat");
        names.sort();
        return names;
    };
    const QStringList written = files(out.path());
    ASSERT_EQ(written, files(QStringLiteral(ZEZ_DATA_DIR "/sample/")));
    // Eleven turns of reports, ten of orders, and the ally's orders of the last turn.
    EXPECT_EQ(written.size(), 11 * 7 + 10 * 7 * 2 + 2);
    for (const QString& name : written)
        EXPECT_TRUE(same(name, "sample/" + name)) << name.toStdString();
}

}  // namespace
}  // namespace qm
