// The tools in tools/: the generators make exactly the files shipped in data/,
// and render_map draws the sample game's map into a PNG of the asked size.

#include "support/TempFiles.h"

#include <QImage>
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

TEST(RenderMapTest, DrawsTheSampleGameInEitherShape) {
    TempFolder out;
    ASSERT_EQ(
        RunTool("render_map", {"--hex", "--size", "26", "--arrows", "20", out.path() + "hex.png"}),
        0);
    EXPECT_EQ(QImage(out.path() + "hex.png").size(), QSize(70 * 39, 31 * 46 + 23));
    ASSERT_EQ(RunTool("render_map", {"--size", "30", "--view", "300x200", "--origin", "-40,-10",
                                     out.path() + "square.png"}),
              0);
    const QImage square(out.path() + "square.png");
    EXPECT_EQ(square.size(), QSize(300, 200));
    EXPECT_FALSE(square.allGray());  // drawn, not blank
}

}  // namespace
}  // namespace qm
