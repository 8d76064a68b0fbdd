#include "map/IniFile.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::TempFolder;

TEST(IniFile, NamesMatchWithoutRegardToCase) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write("a.ini", "[colours]\r\n  BORDERS = &H10&  \r\n")));
    EXPECT_EQ(file.Value("Colours", "Borders"), QStringLiteral("&H10&"));
    EXPECT_EQ(file.Value("Positions", "Borders"), std::nullopt);
    EXPECT_EQ(file.Value("Colours", "Water"), std::nullopt);
}

TEST(IniFile, KeysOfOtherSectionsAndCommentsAreNotRead) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write(
        "a.ini", "MapX=1\r\n[Other]\r\nMapX=2\r\n[Positions]\r\n;MapX=3\r\nMapX=4\r\nMapX=5\r\n")));
    EXPECT_EQ(file.Value("Positions", "MapX"), QStringLiteral("4"));
}

TEST(IniFile, AByteOrderMarkIsKeptButNotRead) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write("a.ini", "\xEF\xBB\xBF[Colours]\r\nWater=1\r\n")));
    EXPECT_EQ(file.Value("Colours", "Water"), QStringLiteral("1"));
    file.SetValue("Colours", "Water", "2");
    EXPECT_EQ(file.Content(), "\xEF\xBB\xBF[Colours]\r\nWater=2\r\n");
}

TEST(IniFile, AnEmptyValueIsThere) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write("a.ini", "[P]\nKey=\n")));
    EXPECT_EQ(file.Value("P", "Key"), QString());
}

TEST(IniFile, ValuesAreCutAtOneHundredCharacters) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write("a.ini", "[P]\r\nKey=" + QByteArray(150, '7') + "\r\n")));
    EXPECT_EQ(file.Value("P", "Key")->size(), 100);
}

TEST(IniFile, SetValueReplacesOnlyThatKeyLine) {
    TempFolder folder;
    IniFile file;
    const QByteArray before =
        "; hand notes\n[Colours]\r\nborders=&H1&\r\nWater = 5\r\n\r\n[Other]\r\nx=1";
    ASSERT_TRUE(file.Load(folder.Write("a.ini", before)));
    file.SetValue("COLOURS", "Borders", "&H2&");
    EXPECT_EQ(file.Content(),
              "; hand notes\n[Colours]\r\nBorders=&H2&\r\nWater = 5\r\n\r\n[Other]\r\nx=1");
}

TEST(IniFile, NewKeysJoinTheEndOfTheirSectionAndNewSectionsTheEndOfTheFile) {
    TempFolder folder;
    IniFile file;
    ASSERT_TRUE(file.Load(folder.Write("a.ini", "[Colours]\r\nA=1\r\n\r\n[Other]\r\nx=1")));
    file.SetValue("Colours", "B", "2");
    file.SetValue("Positions", "MapX", "-3");
    EXPECT_EQ(file.Content(),
              "[Colours]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nx=1\r\n[Positions]\r\nMapX=-3\r\n");
}

TEST(IniFile, SaveCreatesTheFileAndItsFolder) {
    TempFolder folder;
    IniFile file;
    const QString path = folder.path() + "new/deeper/a.ini";
    ASSERT_TRUE(file.Load(path));
    file.SetValue("S", "K", "V");
    ASSERT_TRUE(file.Save(path));
    EXPECT_EQ(folder.Read("new/deeper/a.ini"), "[S]\r\nK=V\r\n");
}

TEST(IniFile, AFailedSaveAnswersFalse) {
    TempFolder folder;
    folder.Write("plain", "a file where a folder should be");
    IniFile file;
    file.SetValue("S", "K", "V");
    EXPECT_FALSE(file.Save(folder.path() + "plain/a.ini"));
}

TEST(IniFile, AHugeFileIsNotTakenForSettings) {
    TempFolder folder;
    IniFile file;
    EXPECT_FALSE(file.Load(folder.Write("big.ini", "[S]\r\nK=V\r\n" + QByteArray(2 << 20, ' '))));
    EXPECT_EQ(file.Value("S", "K"), std::nullopt);
}

}  // namespace
}  // namespace qm
