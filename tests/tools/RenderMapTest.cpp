// render_map draws the sample game's map into a PNG of the asked size.

#include "support/TempFiles.h"

#include <QImage>
#include <QProcess>
#include <QSet>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::TempFolder;

int RenderMap(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZEZ_BIN_DIR "/render_map"), arguments);
    if (!process.waitForFinished(120000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(RenderMapTest, DrawsTheSampleGameInEitherShape) {
    TempFolder out;
    ASSERT_EQ(RenderMap({"--hex", "--size", "26", "--arrows", "20", out.path() + "hex.png"}), 0);
    EXPECT_EQ(QImage(out.path() + "hex.png").size(), QSize(70 * 39, 31 * 46 + 23));
    ASSERT_EQ(RenderMap({"--size", "30", "--view", "300x200", "--origin", "-40,-10",
                         out.path() + "square.png"}),
              0);
    const QImage square(out.path() + "square.png");
    EXPECT_EQ(square.size(), QSize(300, 200));
    QSet<QRgb> colours;  // drawn, not blank: fills, borders, labels
    for (int y = 0; y < square.height(); ++y) {
        for (int x = 0; x < square.width(); ++x) colours.insert(square.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 3);
}

TEST(RenderMapTest, AMissingReportFails) {
    TempFolder out;
    EXPECT_NE(RenderMap({"--report", out.path() + "none", out.path() + "x.png"}), 0);
    EXPECT_FALSE(out.Exists("x.png"));
}

}  // namespace
}  // namespace qm
