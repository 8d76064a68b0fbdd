#include "map/MapDataFiles.h"

#include "state/Session.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::FakePort;
using test::Message;
using test::TempFolder;

// Lines of a small, valid map-area.dat: area a is land with neighbours a-1 and
// a+1 and the name "Area_a"; then twelve home records.
QStringList AreaLines() {
    QStringList lines;
    for (int a = 1; a <= kLastArea; ++a) {
        QStringList items = {QString::number(a % 3 + 1), QString::number(a % 4)};
        for (int slot = 1; slot <= 14; ++slot) {
            const int n = slot == 1 ? a - 1 : slot == 2 ? (a % kLastArea) + 1 : 0;
            items << QString::number(n);
        }
        items << QStringLiteral("Area_%1").arg(a);
        lines << items.join(',');
    }
    for (int p = 1; p <= 12; ++p) lines << QStringLiteral("%1,Power_%2").arg(p * 20).arg(p);
    return lines;
}

QByteArray Join(const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toLatin1(); }

// A board where cell (c, r) belongs to area ((c - 1) * 31 + r) % 273 + 1, with
// a few flags and borders to carry through.
HexGrid SampleGrid() {
    HexGrid grid;
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            HexCell& cell = grid.at(c, r);
            const int index = (c - 1) * kRows + r - 1;
            cell.Area = static_cast<std::int16_t>(index % 300 >= 273 ? 0 : index % 300 + 1);
            cell.Border[static_cast<std::size_t>(index % 6 + 1)] = 1;
            cell.ShowNumber = index % 300 < 273 ? -1 : 0;
            cell.ShowUnit = cell.ShowNumber;
            cell.ShowSupply = index % 5 == 0 ? -1 : 0;
        }
    }
    return grid;
}

class MapDataFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.game.ProgramDir = folder.path();
        session.game.PlayerCount = 8;
        session.game.area(273).Owner = 5;
    }
    void WriteFiles(const QByteArray& area, const QByteArray& hex) {
        folder.Write("map-area.dat", area);
        folder.Write("map-hex.dat", hex);
    }
    bool Load() { return LoadMapData(session, {folder.path()}); }

    TempFolder folder;
    FakePort port;
    Session session{port};
};

TEST_F(MapDataFilesTest, LoadsAreasHomesAndBoard) {
    WriteFiles(Join(AreaLines()), HexDataText(SampleGrid()));
    ASSERT_TRUE(Load());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(session.MapShown);
    const AreaRecord& a5 = session.game.area(5);
    EXPECT_EQ(a5.AreaType, 3);
    EXPECT_EQ(a5.Supply, 1);
    EXPECT_EQ(a5.Neighbours[1], 4);
    EXPECT_EQ(a5.Neighbours[2], 6);
    EXPECT_EQ(a5.Neighbours[14], 0);
    EXPECT_EQ(a5.Name, "Area 5");
    EXPECT_EQ(session.game.area(273).Owner, 0);
    // PlayerCount 8: homes of players 1..7 only.
    EXPECT_EQ(session.game.area(140).HomeFlag, -1);
    EXPECT_EQ(session.game.area(160).HomeFlag, 0);
    EXPECT_EQ(session.hexes, SampleGrid());
    // Area 1 has the cells of index 0, 300, ..., 2100: (1,1) .. (68,24).
    EXPECT_EQ(session.game.area(1).MinCol, 1);
    EXPECT_EQ(session.game.area(1).MaxCol, 68);
    EXPECT_EQ(session.game.area(1).MinRow, 1);
    EXPECT_EQ(session.game.area(1).MaxRow, 24);
    EXPECT_EQ(session.game.area(0).MinCol, 9);  // cells of no area widen record 0
}

TEST_F(MapDataFilesTest, NoHomeSectionReadForOnePlayerOrNone) {
    QStringList lines = AreaLines();
    lines.erase(lines.begin() + kLastArea, lines.end());
    lines << "garbage,after,the,areas";
    WriteFiles(Join(lines), HexDataText(SampleGrid()));
    for (const std::int16_t count : {0, 1}) {
        session.game.PlayerCount = count;
        ASSERT_TRUE(Load());
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(session.game.area(20).HomeFlag, 0);
    }
}

TEST_F(MapDataFilesTest, ReloadClearsOldHomeFlagsAndBoxes) {
    WriteFiles(Join(AreaLines()), HexDataText(SampleGrid()));
    ASSERT_TRUE(Load());
    session.game.PlayerCount = 2;
    HexGrid other;  // every cell of area 0
    folder.Write("map-hex.dat", HexDataText(other));
    ASSERT_TRUE(Load());
    EXPECT_EQ(session.game.area(20).HomeFlag, -1);
    EXPECT_EQ(session.game.area(40).HomeFlag, 0);
    EXPECT_EQ(session.game.area(1).MinCol, 999);
    EXPECT_EQ(session.game.area(1).MaxCol, 0);
    EXPECT_EQ(session.hexes, other);
}

TEST_F(MapDataFilesTest, NamesMatchedWithoutCaseAndFoundInALaterFolder) {
    TempFolder second;
    second.Write("MAP-AREA.DAT", Join(AreaLines()));
    folder.Write("Map-Hex.Dat", HexDataText(SampleGrid()));
    ASSERT_TRUE(LoadMapData(session, {folder.path(), second.path()}));
    EXPECT_EQ(session.hexes, SampleGrid());
    EXPECT_EQ(session.game.area(9).Name, "Area 9");
}

TEST_F(MapDataFilesTest, CellsAreTakenByTheirPlaceNotTheirColumnAndRowItems) {
    QByteArray text = HexDataText(SampleGrid());
    text.replace("1,1,1,", "9,-4,1,");
    WriteFiles(Join(AreaLines()), text);
    ASSERT_TRUE(Load());
    EXPECT_EQ(session.hexes, SampleGrid());
}

TEST(HexDataTextTest, WritesTheLineLayoutExactly) {
    HexGrid grid;
    HexCell& cell = grid.at(5, 12);
    cell.Area = 134;
    cell.Border[1] = 1;
    cell.Border[5] = 1;
    cell.ShowNumber = -1;  // the tenth item
    grid.at(5, 13).ShowUnit = -1;
    grid.at(5, 14).ShowSupply = -1;
    const QByteArray text = HexDataText(grid);
    EXPECT_TRUE(text.startsWith("1,1,0,0,0,0,0,0,0,0,0,0\r\n1,2,0,0,0,0,0,0,0,0,0,0\r\n"));
    EXPECT_TRUE(text.contains("\r\n5,12,134,1,0,0,0,1,0,-1,0,0\r\n"));
    EXPECT_TRUE(text.contains("\r\n5,13,0,0,0,0,0,0,0,0,-1,0\r\n5,14,0,0,0,0,0,0,0,0,0,-1\r\n"));
    EXPECT_TRUE(text.endsWith("\r\n70,31,0,0,0,0,0,0,0,0,0,0\r\n"));
    EXPECT_EQ(text.count("\r\n"), 2170);
    EXPECT_EQ(text.count('\n'), 2170);
}

TEST_F(MapDataFilesTest, SavedBoardLoadsBackExactly) {
    folder.Write("map-area.dat", Join(AreaLines()));
    ASSERT_TRUE(SaveHexData(SampleGrid(), folder.path() + "map-hex.dat"));
    EXPECT_EQ(folder.Read("map-hex.dat"), HexDataText(SampleGrid()));
    ASSERT_TRUE(Load());
    EXPECT_EQ(session.hexes, SampleGrid());
}

TEST_F(MapDataFilesTest, SaveWhereTheFolderIsAFileFailsAndTouchesNothing) {
    folder.Write("blocker", "a file, not a folder");
    EXPECT_FALSE(SaveHexData(SampleGrid(), folder.path() + "blocker/map-hex.dat"));
    EXPECT_EQ(folder.Read("blocker"), "a file, not a folder");
}

// A damaged file: what to do to it, and the message it must give.
struct DamageCase {
    const char* name;
    bool hexFile;  // damage map-hex.dat rather than map-area.dat
    int line;      // 0-based line to replace, or -1 to cut the file after `keep` lines
    const char* replacement;
    const char* message;
};

void PrintTo(const DamageCase& damage, std::ostream* out) { *out << damage.name; }

class MapDataDamageTest : public MapDataFilesTest,
                          public ::testing::WithParamInterface<DamageCase> {};

TEST_P(MapDataDamageTest, NamesFileAndRecordAndChangesNothing) {
    const DamageCase& damage = GetParam();
    QStringList area = AreaLines();
    QStringList hex = QString::fromLatin1(HexDataText(SampleGrid())).split("\r\n");
    hex.removeLast();
    QStringList& lines = damage.hexFile ? hex : area;
    if (damage.line >= 0) {
        lines[damage.line] = damage.replacement;
    } else {
        lines.erase(lines.begin() + QString(damage.replacement).toInt(), lines.end());
    }
    WriteFiles(Join(area), Join(hex));

    session.game.area(17).Name = "Before";
    session.hexes.at(3, 3).Area = 99;
    const GameState before = session.game;
    const HexGrid hexesBefore = session.hexes;

    EXPECT_FALSE(Load());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0], (Message{damage.message, MessageIcon::Stop}));
    EXPECT_FALSE(session.MapShown);
    EXPECT_EQ(session.hexes, hexesBefore);
    for (int a = 0; a <= kLastArea; ++a) {
        const AreaRecord& now = session.game.area(a);
        const AreaRecord& was = before.area(a);
        ASSERT_EQ(now.Name, was.Name);
        ASSERT_EQ(now.AreaType, was.AreaType);
        ASSERT_EQ(now.Neighbours, was.Neighbours);
        ASSERT_EQ(now.HomeFlag, was.HomeFlag);
        ASSERT_EQ(now.Owner, was.Owner);
        ASSERT_EQ(now.MinCol, was.MinCol);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MapDataDamageTest,
    ::testing::Values(
        DamageCase{"TextForType", false, 16, "land,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,X",
                   "The map file map-area.dat is damaged at area record 17, item 1: text where a "
                   "number belongs. The map cannot be shown."},
        DamageCase{"TypeTooLarge", false, 0, "10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,X",
                   "The map file map-area.dat is damaged at area record 1, item 1: the value 10 "
                   "is outside 0..9. The map cannot be shown."},
        DamageCase{"NegativeSupply", false, 4, "1,-2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,X",
                   "The map file map-area.dat is damaged at area record 5, item 2: the value -2 "
                   "is outside 0..99. The map cannot be shown."},
        DamageCase{"NeighbourBeyondTheMap", false, 272, "1,0,1,274,0,0,0,0,0,0,0,0,0,0,0,0,X",
                   "The map file map-area.dat is damaged at area record 273, item 4: the value "
                   "274 is outside 0..273. The map cannot be shown."},
        DamageCase{"HugeNumber", false, 9, "1,0,99999,0,0,0,0,0,0,0,0,0,0,0,0,0,X",
                   "The map file map-area.dat is damaged at area record 10, item 3: a number out "
                   "of range. The map cannot be shown."},
        DamageCase{"AreasCutShort", false, -1, "200",
                   "The map file map-area.dat is damaged at area record 201, item 1: the file "
                   "ends early. The map cannot be shown."},
        DamageCase{"HomeSectionCutShort", false, -1, "276",
                   "The map file map-area.dat is damaged at home record 4, item 1: the file ends "
                   "early. The map cannot be shown."},
        DamageCase{"HomeAreaZero", false, 274, "0,Nowhere",
                   "The map file map-area.dat is damaged at home record 2, item 1: the value 0 is "
                   "outside 1..273. The map cannot be shown."},
        DamageCase{"HomeAreaTooLarge", false, 279, "300,Beyond",
                   "The map file map-area.dat is damaged at home record 7, item 1: the value 300 "
                   "is outside 1..273. The map cannot be shown."},
        DamageCase{"CellAreaTooLarge", true, 34, "2,4,274,0,0,0,0,0,0,0,0,0",
                   "The map file map-hex.dat is damaged at cell record 35 (column 2, row 4), item "
                   "3: the value 274 is outside 0..273. The map cannot be shown."},
        DamageCase{"BorderTwo", true, 0, "1,1,1,2,0,0,0,0,0,0,0,0",
                   "The map file map-hex.dat is damaged at cell record 1 (column 1, row 1), item "
                   "4: the value 2 is outside 0..1. The map cannot be shown."},
        DamageCase{"FlagOne", true, 2169, "70,31,1,0,0,0,0,0,0,0,1,0",
                   "The map file map-hex.dat is damaged at cell record 2170 (column 70, row 31), "
                   "item 11: the value 1 is outside -1..0. The map cannot be shown."},
        DamageCase{"TextInCell", true, 100, "4,8,12,0,0,0,x,0,0,0,0,0",
                   "The map file map-hex.dat is damaged at cell record 101 (column 4, row 8), "
                   "item 7: text where a number belongs. The map cannot be shown."},
        DamageCase{"CellsCutShort", true, -1, "2000",
                   "The map file map-hex.dat is damaged at cell record 2001 (column 65, row 17), "
                   "item 1: the file ends early. The map cannot be shown."},
        DamageCase{"EmptyHexFile", true, -1, "0",
                   "The map file map-hex.dat is damaged at cell record 1 (column 1, row 1), item "
                   "1: the file ends early. The map cannot be shown."}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST_F(MapDataFilesTest, MissingFilesAreNamed) {
    EXPECT_FALSE(Load());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0], (Message{"The map file map-area.dat was not found in " +
                                             folder.path() + ". The map cannot be shown.",
                                         MessageIcon::Stop}));

    folder.Write("map-area.dat", Join(AreaLines()));
    EXPECT_FALSE(Load());
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[1].text, "The map file map-hex.dat was not found in " + folder.path() +
                                         ". The map cannot be shown.");
    EXPECT_FALSE(session.MapShown);
    EXPECT_EQ(session.game.area(5).Name, "");
}

TEST_F(MapDataFilesTest, AFolderNamedLikeTheFileIsNotTheFile) {
    QDir(folder.path()).mkdir("map-area.dat");
    EXPECT_FALSE(Load());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].text.startsWith("The map file map-area.dat was not found"));
}

}  // namespace
}  // namespace qm
