// The generators in tools/ make exactly the files shipped in data/.

#include "support/TempFiles.h"

#include <QDirIterator>
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

TEST(GeneratorsTest, MakeIconsDrawsTheSvgAtEachSizeAndRefusesWhatItCannotDraw) {
    TempFolder out;
    const QString svg = QStringLiteral(ZEZ_DATA_DIR "/desktop/zez-qm.svg");
    ASSERT_EQ(RunTool("make_icons", {svg, out.path(), "16", "256"}), 0);
    EXPECT_EQ(QImage(out.path() + "16x16/apps/zez-qm.png").size(), QSize(16, 16));
    const QImage icon(out.path() + "256x256/apps/zez-qm.png");
    ASSERT_EQ(icon.size(), QSize(256, 256));
    // The SVG's colours where its view box of 64 puts them, four pixels a unit.
    auto at = [&](double x, double y) { return icon.pixel(int(x * 4), int(y * 4)); };
    EXPECT_EQ(qAlpha(at(0.5, 0.5)), 0);
    EXPECT_EQ(at(20, 6), qRgb(0x20, 0x20, 0x20));  // a hexagon's edge
    EXPECT_EQ(at(12, 26), qRgb(0x4f, 0x7f, 0xd0));
    EXPECT_EQ(at(52, 42), qRgb(0xd0, 0xa0, 0x40));
    EXPECT_EQ(at(20, 50), qRgb(0x60, 0xa8, 0x60));
    EXPECT_EQ(at(32.5, 27.3), qRgb(0xff, 0x30, 0x30));  // the arrow
    EXPECT_EQ(at(31.6, 28.9), qRgb(0, 0, 0));           // and its edge

    TempFolder refused;
    QByteArray circle = ReadFile(svg);
    circle.replace("<path", "<circle r=\"3\"/><path");
    const QString bad = refused.Write("icon.svg", circle);
    EXPECT_NE(RunTool("make_icons", {bad, refused.path(), "16"}), 0);
    EXPECT_NE(RunTool("make_icons", {svg, refused.path(), "16", "big"}), 0);
    EXPECT_FALSE(refused.Exists("16x16"));
}

}  // namespace
}  // namespace qm
