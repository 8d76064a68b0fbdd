#include "map/IniFile.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::TempFolder;

IniFile Loaded(const QByteArray& text) {
    TempFolder folder;
    IniFile file;
    EXPECT_TRUE(file.Load(folder.Write("a.ini", text)));
    return file;
}

TEST(IniFile, FindsTheFirstKeyOfItsSectionWithoutRegardToCase) {
    const IniFile file = Loaded(
        "MapX=1\r\n[Other]\r\nMapX=2\r\n[positions]\r\n;MapX=3\r\n  MAPX = 4  \r\nMapX=5\r\n"
        "Empty=\r\nLong=" +
        QByteArray(150, '7') + "\r\n");
    EXPECT_EQ(file.Value("Positions", "MapX"), QStringLiteral("4"));
    EXPECT_EQ(file.Value("Positions", "MapY"), std::nullopt);
    EXPECT_EQ(file.Value("Colours", "MapX"), std::nullopt);
    EXPECT_EQ(file.Value("Positions", "Empty"), QString());
    EXPECT_EQ(file.Value("Positions", "Long")->size(), 100);  // values are cut at 100
}

TEST(IniFile, SetValueReplacesOnlyThatKeyLine) {
    IniFile file =
        Loaded("; hand notes\n[Colours]\r\nborders=&H1&\r\nWater = 5\r\n\r\n[Other]\r\nx=1");
    file.SetValue("COLOURS", "Borders", "&H2&");
    EXPECT_EQ(file.Content(),
              "; hand notes\n[Colours]\r\nBorders=&H2&\r\nWater = 5\r\n\r\n[Other]\r\nx=1");
}

TEST(IniFile, NewKeysJoinTheEndOfTheirSectionAndNewSectionsTheEndOfTheFile) {
    IniFile file = Loaded("[Colours]\r\nA=1\r\n\r\n[Other]\r\nx=1");
    file.SetValue("Colours", "B", "2");
    file.SetValue("Positions", "MapX", "-3");
    EXPECT_EQ(file.Content(),
              "[Colours]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nx=1\r\n[Positions]\r\nMapX=-3\r\n");
}

TEST(IniFile, AByteOrderMarkIsKeptButNotRead) {
    IniFile file = Loaded("\xEF\xBB\xBF[Colours]\r\nWater=1\r\n");
    EXPECT_EQ(file.Value("Colours", "Water"), QStringLiteral("1"));
    file.SetValue("Colours", "Water", "2");
    EXPECT_EQ(file.Content(), "\xEF\xBB\xBF[Colours]\r\nWater=2\r\n");
}

TEST(IniFile, SaveCreatesTheFolder) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.path() + "new/deeper/a.ini"));  // missing: empty
    file.SetValue("S", "K", "V");
    ASSERT_TRUE(file.Save(folder.path() + "new/deeper/a.ini"));
    EXPECT_EQ(folder.Read("new/deeper/a.ini"), "[S]\r\nK=V\r\n");
}

TEST(IniFile, AHugeFileIsNotTakenForSettings) {
    TempFolder folder;
    IniFile file;
    EXPECT_FALSE(file.Load(folder.Write("big.ini", "[S]\r\nK=V\r\n" + QByteArray(2 << 20, ' '))));
    EXPECT_EQ(file.Value("S", "K"), std::nullopt);
}

}  // namespace
}  // namespace qm
