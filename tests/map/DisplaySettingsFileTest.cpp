#include "map/DisplaySettingsFile.h"

#include "map/MapState.h"

#include "support/CaseName.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

using test::TempFolder;

// Every value moved away from its default, so a load that forgets a key shows.
DisplaySettings Scrambled() {
    DisplaySettings s;
    s.BorderColour = 1, s.WaterColour = 2, s.NoGoColour = 3;
    s.CountryColours.fill(4), s.ArrowColours.fill(5);
    s.MapX = 6, s.MapY = 7, s.HexDisplay = -1, s.HexSize = 8;
    return s;
}

auto Fields(const DisplaySettings& s) {
    return std::tie(s.CountryColours, s.ArrowColours, s.BorderColour, s.WaterColour, s.NoGoColour,
                    s.MapX, s.MapY, s.HexDisplay, s.HexSize);
}

DisplaySettings LoadText(const QByteArray& content) {
    TempFolder folder;
    DisplaySettings settings = Scrambled();
    LoadDisplaySettings(settings, folder.Write("win-qm.ini", content));
    return settings;
}

TEST(DisplaySettingsFile, NoFileGivesTheStarterLookAnEmptyFileEveryKeysDefault) {
    TempFolder folder;
    DisplaySettings starter = Scrambled();
    LoadDisplaySettings(starter, folder.path() + "missing.ini");
    EXPECT_EQ(std::tie(starter.HexDisplay, starter.HexSize, starter.MapX), std::tuple(-1, 30, 0));
    // Players, neutral, water and the unseen areas (owner 12, a pale grey) all differ.
    std::set<std::int32_t> fills(starter.CountryColours.begin(), starter.CountryColours.end());
    fills.insert(starter.WaterColour);
    EXPECT_EQ(fills.size(), 14u);
    for (int shift : {0, 8, 16}) EXPECT_GE((starter.CountryColours[12] >> shift) & 0xFF, 0xE0);

    // An empty file: the defaults a fresh save writes.
    EXPECT_EQ(Fields(LoadText("")), Fields(DisplaySettings{}));
}

TEST(DisplaySettingsFile, NumbersThatDoNotFitAndMissingKeysTakeTheirDefaults) {
    const DisplaySettings s = LoadText(
        "[colours]\r\nCO=255\r\nMO=12junk\r\nNeutral=4294967296\r\nSA=&H123456789\r\n"
        "[Positions]\r\nMapX=40000\r\nMapY=-32768\r\n");
    EXPECT_EQ(std::tie(s.ArrowColours[0], s.ArrowColours[1], s.ArrowColours[2]),
              std::make_tuple(255, 12, 0xFF));
    EXPECT_EQ(std::tie(s.CountryColours[0], s.BorderColour, s.NoGoColour),
              std::make_tuple(0xC0C0C0, 0x808080, 0));
    EXPECT_EQ(std::tie(s.MapX, s.MapY, s.HexSize, s.HexDisplay), std::make_tuple(0, -32768, 26, 0));
}

struct SizeCase {
    const char* stored;
    const char* hexDisplay;
    int expected;
};

class HexSizeLimits : public ::testing::TestWithParam<SizeCase> {};

TEST_P(HexSizeLimits, AreAppliedByMode) {
    const SizeCase& c = GetParam();
    const QByteArray text =
        QByteArray("[Positions]\r\nHexDisplay=") + c.hexDisplay + "\r\nHexSize=";
    EXPECT_EQ(LoadText(text + c.stored).HexSize, c.expected);
}

// Stored halved; limits 6..30 in hex mode, 6..36 in square mode; halves to even.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Stored, HexSizeLimits, ::testing::Values(
    SizeCase{"2", "0", 6}, SizeCase{"-9", "0", 6}, SizeCase{"x", "-1", 6},
    SizeCase{"15", "-1", 30}, SizeCase{"16", "-1", 30}, SizeCase{"16", "0", 32},
    SizeCase{"18", "0", 36}, SizeCase{"99999999999", "0", 36}, SizeCase{"13.5", "0", 27},
    SizeCase{"11.25", "0", 22}),
    [](const auto& i) { return test::CaseName(i.index, i.param.stored + QString(i.param.hexDisplay[0] == '0' ? "Squares" : "Hexagons")); });
// clang-format on

TEST(DisplaySettingsFile, AFreshSaveWritesEveryKeyButNoGo) {
    TempFolder folder;
    DisplaySettings settings;
    settings.MapX = -120, settings.MapY = -4, settings.HexSize = 27;
    settings.CountryColours[9] = -0x123456;  // written as its absolute value
    settings.CountryColours[0] = -2;         // written as its 32-bit pattern
    // The folder is made as well.
    ASSERT_TRUE(SaveDisplaySettings(settings, folder.path() + "new/win-qm.ini"));
    EXPECT_EQ(folder.Read("new/win-qm.ini"),
              "[Colours]\r\nBorders=&H808080&\r\nWater=&HFFFF80&\r\nNeutral=&HFFFFFFFE&\r\n"
              "CountryA=&H0&\r\nCountryB=&HFF&\r\nCountryC=&HFF00&\r\nCountryD=&HFFFF&\r\n"
              "CountryE=&HFF0000&\r\nCountryF=&HFF00FF&\r\nCountryG=&HFFFF00&\r\n"
              "CountryH=&HFFFFFF&\r\nCountryI=&H123456&\r\nCountryJ=&HFF&\r\nCountryK=&HFF00&\r\n"
              "CountryL=&HFFFF&\r\nCO=&HFF0000&\r\nMO=&HFF00&\r\nSA=&HFF&\r\nSD=&HFFFF&\r\n"
              "[Positions]\r\nMapX=-120\r\nMapY=-4\r\nHexDisplay=0\r\nHexSize=13\r\n");
    // And it loads back, but for the absolute value and the halved size.
    DisplaySettings loaded = Scrambled();
    LoadDisplaySettings(loaded, folder.path() + "new/win-qm.ini");
    settings.CountryColours[9] = 0x123456, settings.HexSize = 26;
    EXPECT_EQ(Fields(loaded), Fields(settings));
}

TEST(DisplaySettingsFile, AHandEditedNoGoAndOtherLinesSurviveRepeatedSaves) {
    TempFolder folder;
    const QString path = folder.Write("win-qm.ini",
                                      "; my colours\r\n[Colours]\r\nnogo = &HFF00FF&\r\n"
                                      "Borders=&H1&\r\n\r\n[Extra]\r\nKeep=this\r\n"
                                      "[Positions]\r\nHexDisplay=5\r\n");
    DisplaySettings settings;
    LoadDisplaySettings(settings, path);
    // Any non-zero value is hex mode.
    EXPECT_EQ(std::tie(settings.NoGoColour, settings.HexDisplay), std::make_tuple(0xFF00FF, -1));
    settings.NoGoColour = 0;
    ASSERT_TRUE(SaveDisplaySettings(settings, path));
    ASSERT_TRUE(SaveDisplaySettings(settings, path));
    const QByteArray after = folder.Read("win-qm.ini");
    EXPECT_TRUE(
        after.startsWith("; my colours\r\n[Colours]\r\nnogo = &HFF00FF&\r\nBorders=&H1&\r\n"
                         "Water=&HFFFF80&\r\n"))
        << after.constData();
    EXPECT_TRUE(after.contains("\r\n\r\n[Extra]\r\nKeep=this\r\n[Positions]\r\nHexDisplay=-1\r\n"));
    EXPECT_EQ(after.count("Borders"), 1);
    LoadDisplaySettings(settings, path);
    EXPECT_EQ(settings.NoGoColour, 0xFF00FF);
}

// A dense screen's map counts the origin in its pictures' pixels; the file
// keeps window pixels, and whose view it is.
TEST(DisplaySettingsFile, TheMapsOriginIsKeptInWindowPixels) {
    TempFolder folder;
    const QString path = folder.path() + "win-qm.ini";
    MapState dense;
    dense.picture.Scale = 2;
    EXPECT_FALSE(LoadMapSettings(dense, path));  // a first start
    dense.display.MapX = -62, dense.display.MapY = -34, dense.display.ViewOf = "QM042 2";
    ASSERT_TRUE(SaveMapSettings(dense, path));
    DisplaySettings kept;
    ASSERT_TRUE(LoadDisplaySettings(kept, path));
    EXPECT_EQ(std::tuple(kept.MapX, kept.MapY, kept.ViewOf),
              std::tuple(std::int16_t{-31}, std::int16_t{-17}, QString("QM042 2")));
    MapState again;
    again.picture.Scale = 2;
    ASSERT_TRUE(LoadMapSettings(again, path));
    EXPECT_EQ(std::pair(again.display.MapX, again.display.MapY),
              std::pair(std::int16_t{-62}, std::int16_t{-34}));
}

}  // namespace
}  // namespace qm
