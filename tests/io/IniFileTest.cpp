#include "io/IniFile.h"

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
        "\xEF\xBB\xBF[a]\nMapX=1\r\n[Other]\r\nMapX=2\r\n[positions]\r\n;MapX=3\r\n  MAPX = 4  \r\n"
        "MapX=5\r\nEmpty=\r\nLong=" +
        QByteArray(150, '7') + "\r\n");
    EXPECT_EQ(file.Value("A", "MapX"), QStringLiteral("1"));  // a byte order mark is not read
    EXPECT_EQ(file.Value("Positions", "MapX"), QStringLiteral("4"));
    EXPECT_EQ(file.Value("Positions", "MapY"), std::nullopt);
    EXPECT_EQ(file.Value("Colours", "MapX"), std::nullopt);
    EXPECT_EQ(file.Value("Positions", "Empty"), QString());
    EXPECT_EQ(file.Value("Positions", "Long")->size(), 100);  // values are cut at 100
}

}  // namespace
}  // namespace qm
