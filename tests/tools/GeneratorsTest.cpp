// The generators in tools/ make exactly the files shipped in data/.

#include "support/TempFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
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

TEST(GeneratorsTest, MakeWorldReproducesTheShippedMap) {
    TempFolder out;
    ASSERT_EQ(RunTool("make_world", {out.path()}), 0);
    for (const char* name : {"map-area.dat", "map-hex.dat"}) {
        EXPECT_TRUE(ReadFile(out.path() + name) ==
                    ReadFile(QStringLiteral(ZEZ_DATA_DIR "/") + name))
            << name << " differs from data/";
    }
}

TEST(GeneratorsTest, MakeSampleReproducesTheShippedReports) {
    TempFolder out;
    ASSERT_EQ(RunTool("make_sample", {QStringLiteral(ZEZ_DATA_DIR), out.path()}), 0);
    int compared = 0;
    for (const char* turn : {"1880-1", "1882-3"}) {
        for (int player = 1; player <= 7; ++player) {
            const QString name = QStringLiteral("%1/plyrdata.%2").arg(turn).arg(player);
            EXPECT_TRUE(ReadFile(out.path() + name) ==
                        ReadFile(QStringLiteral(ZEZ_DATA_DIR "/sample/") + name))
                << name.toStdString() << " differs from data/sample";
            ++compared;
        }
    }
    EXPECT_EQ(compared, 14);
    // Nothing more is made than is shipped.
    EXPECT_EQ(QDir(out.path() + "1882-3").entryList(QDir::Files).size(), 7);
}

TEST(GeneratorsTest, MakeWorldRefusesAFolderItCannotWrite) {
    TempFolder out;
    out.Write("file", "not a folder");
    EXPECT_NE(RunTool("make_world", {out.path() + "file"}), 0);
    EXPECT_NE(RunTool("make_world", {}), 0);
}

TEST(GeneratorsTest, MakeSampleNeedsTheMapAndAPlaceToWrite) {
    TempFolder out;
    EXPECT_NE(RunTool("make_sample", {out.path(), out.path()}), 0);  // no map there
    out.Write("file", "not a folder");
    EXPECT_NE(RunTool("make_sample", {QStringLiteral(ZEZ_DATA_DIR), out.path() + "file"}), 0);
}

}  // namespace
}  // namespace qm
