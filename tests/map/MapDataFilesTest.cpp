#include "map/LoadMapData.h"
#include "map/SaveHexData.h"

#include "support/CaseName.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include "MapParts.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;
using test::TempFolder;

// Lines of a small, valid map-area.dat: area a is land with neighbours a-1 and
// a+1 and the name "Area_a"; then twelve home records, area 20 p for player p.
QStringList AreaLines() {
    QStringList lines;
    for (int a = 1; a <= kLastArea; ++a)
        lines << QString::asprintf("%d,%d,%d,%d,0,0,0,0,0,0,0,0,0,0,0,0,Area_%d", a % 3 + 1, a % 4,
                                   a - 1, a % kLastArea + 1, a);
    for (int p = 1; p <= 12; ++p) lines << QStringLiteral("%1,Power_%2").arg(p * 20).arg(p);
    return lines;
}

QByteArray Join(const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toLatin1(); }

// A board where cell index i belongs to area i % 300 + 1 (or none beyond 273),
// with a few flags and borders to carry through.
HexGrid SampleGrid() {
    HexGrid grid;
    for (int index = 0; index < kColumns * kRows; ++index) {
        HexCell& cell = grid.at(index / kRows + 1, index % kRows + 1);
        cell.Area = static_cast<std::int16_t>(index % 300 >= 273 ? 0 : index % 300 + 1);
        cell.Border[static_cast<std::size_t>(index % 6 + 1)] = 1;
        cell.ShowNumber = cell.ShowUnit = index % 300 < 273 ? -1 : 0;
        cell.ShowSupply = index % 5 == 0 ? -1 : 0;
    }
    return grid;
}

class MapDataFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.game.ProgramDir = folder.path(), session.game.PlayerCount = 8;
        session.game.area(273).Owner = 5;
    }
    bool Load() { return LoadMapData(session.game, session.map, session.port, {folder.path()}); }

    TempFolder folder;
    test::FakePort port;
    test::MapParts session{port};
};

TEST_F(MapDataFilesTest, LoadsAreasHomesAndBoardFromAnyFolderInAnyCase) {
    TempFolder second;
    second.Write("MAP-AREA.DAT", Join(AreaLines()));
    // Cells are taken by their place in the file, not by their column and row items.
    folder.Write("Map-Hex.Dat", HexDataText(SampleGrid()).replace("1,1,1,", "9,-4,1,"));
    ASSERT_TRUE(
        LoadMapData(session.game, session.map, session.port, {folder.path(), second.path()}));
    EXPECT_TRUE(port.messages.empty() && session.map.MapShown);
    EXPECT_EQ(session.map.hexes, SampleGrid());
    const AreaRecord& a5 = session.game.area(5);
    EXPECT_EQ(std::tie(a5.AreaType, a5.Supply, a5.Neighbours[1], a5.Neighbours[2],
                       a5.Neighbours[14], a5.Name),
              std::make_tuple(3, 1, 4, 6, 0, "Area 5"));
    // The old owner goes; PlayerCount 8: homes of players 1..7 only.
    const GameState& game = session.game;
    EXPECT_EQ(std::tie(game.area(273).Owner, game.area(140).HomeFlag, game.area(160).HomeFlag),
              std::make_tuple(0, -1, 0));
    // Area 1 has the cells of index 0, 300, ..., 2100: (1,1) .. (68,24).
    const AreaRecord& a1 = game.area(1);
    EXPECT_EQ(std::tie(a1.MinCol, a1.MaxCol, a1.MinRow, a1.MaxRow), std::make_tuple(1, 68, 1, 24));
    EXPECT_EQ(game.area(0).MinCol, 9);  // cells of no area widen record 0

    // A reload clears the old home flags and boxes; one or no players read no home section,
    // whatever follows.
    second.Write("MAP-AREA.DAT", Join(AreaLines().mid(0, kLastArea) << "not,a home,section"));
    folder.Write("Map-Hex.Dat", HexDataText(HexGrid{}));
    for (const std::int16_t count : {1, 0}) {
        session.game.PlayerCount = count;
        ASSERT_TRUE(
            LoadMapData(session.game, session.map, session.port, {folder.path(), second.path()}));
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(std::tie(game.area(20).HomeFlag, game.area(40).HomeFlag, a1.MinCol, a1.MaxCol),
                  std::make_tuple(0, 0, 999, 0));
    }
}

TEST_F(MapDataFilesTest, SavedBoardIsExactTextAndLoadsBack) {
    HexGrid grid = SampleGrid();
    HexCell& cell = grid.at(5, 12) = HexCell{134};
    cell.Border[1] = cell.Border[5] = 1;
    cell.ShowNumber = cell.ShowSupply = -1;  // items 10 and 12
    folder.Write("map-area.dat", Join(AreaLines()));
    ASSERT_TRUE(SaveHexData(grid, folder.path() + "map-hex.dat"));
    const QByteArray text = folder.Read("map-hex.dat");
    EXPECT_TRUE(text.contains("\r\n5,12,134,1,0,0,0,1,0,-1,0,-1\r\n"));
    EXPECT_TRUE(text.count("\r\n") == 2170 && text.count('\n') == 2170);
    ASSERT_TRUE(Load());
    EXPECT_EQ(session.map.hexes, grid);
    // A save where the folder is a file fails and touches nothing.
    folder.Write("blocker", "a file, not a folder");
    EXPECT_FALSE(SaveHexData(grid, folder.path() + "blocker/map-hex.dat"));
    EXPECT_EQ(folder.Read("blocker"), "a file, not a folder");
}

// A damaged file: what to do to it, and the message it must give.
struct DamageCase {
    bool hexFile;  // damage map-hex.dat rather than map-area.dat
    int line;      // 0-based line to replace, or -1 to cut the file after `replacement` lines
    const char* replacement;
    const char* message;  // where and what
};

class MapDataDamageTest : public MapDataFilesTest,
                          public ::testing::WithParamInterface<DamageCase> {};

TEST_P(MapDataDamageTest, NamesFileAndRecordAndChangesNothing) {
    const DamageCase& d = GetParam();
    QStringList area = AreaLines();
    QStringList hex = QString::fromLatin1(HexDataText(SampleGrid())).split("\r\n");
    hex.removeLast();
    QStringList& lines = d.hexFile ? hex : area;
    if (d.line >= 0)
        lines[d.line] = d.replacement;
    else
        lines = lines.mid(0, QString(d.replacement).toInt());
    folder.Write("map-area.dat", Join(area)), folder.Write("map-hex.dat", Join(hex));
    session.game.area(17).Name = "Before";
    session.map.hexes.at(3, 3).Area = 99;
    const GameState before = session.game;
    const HexGrid hexesBefore = session.map.hexes;

    EXPECT_FALSE(Load());
    const QString text = QStringLiteral("The map file ") +
                         (d.hexFile ? "map-hex.dat" : "map-area.dat") + " is damaged at " +
                         d.message + ". The map cannot be shown.";
    EXPECT_EQ(port.messages, (std::vector<Message>{{text, MessageIcon::Stop}}));
    EXPECT_FALSE(session.map.MapShown);
    EXPECT_EQ(session.map.hexes, hexesBefore);
    const auto fields = [](const AreaRecord& r) {
        return std::tie(r.Name, r.AreaType, r.Neighbours, r.HomeFlag, r.Owner, r.MinCol);
    };
    for (int a = 0; a <= kLastArea; ++a)
        ASSERT_EQ(fields(session.game.area(a)), fields(before.area(a))) << "area " << a;
}

// The first bad item decides, so a damaged line needs nothing after it.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, MapDataDamageTest, ::testing::Values(
    DamageCase{0, 16, "land", "area record 17, item 1: text where a number belongs"},
    DamageCase{0, 0, "10", "area record 1, item 1: the value 10 is outside 0..9"},
    DamageCase{0, 272, "1,0,1,274", "area record 273, item 4: the value 274 is outside 0..273"},
    DamageCase{0, 9, "1,0,99999", "area record 10, item 3: a number out of range"},
    DamageCase{0, -1, "276", "home record 4, item 1: the file ends early"},
    DamageCase{0, 274, "0,Nowhere", "home record 2, item 1: the value 0 is outside 1..273"},
    DamageCase{1, 34, "2,4,274",
               "cell record 35 (column 2, row 4), item 3: the value 274 is outside 0..273"},
    DamageCase{1, 2169, "70,31,1,0,0,0,0,0,0,0,1",
               "cell record 2170 (column 70, row 31), item 11: the value 1 is outside -1..0"},
    DamageCase{1, -1, "2000", "cell record 2001 (column 65, row 17), item 1: the file ends early"}),
    [](const auto& i) { return test::CaseName(i.index, i.param.message); });
// clang-format on

TEST_F(MapDataFilesTest, MissingFilesAreNamed) {
    QDir(folder.path()).mkdir("map-hex.dat");  // a folder named like the file is not the file
    EXPECT_FALSE(Load());
    folder.Write("map-area.dat", Join(AreaLines()));
    EXPECT_FALSE(Load());
    const QString end = " was not found in " + folder.path() + ". The map cannot be shown.";
    EXPECT_EQ(port.messages,
              (std::vector<Message>{{"The map file map-area.dat" + end, MessageIcon::Stop},
                                    {"The map file map-hex.dat" + end, MessageIcon::Stop}}));
    EXPECT_FALSE(session.map.MapShown);
    EXPECT_EQ(session.game.area(5).Name, "");
}

}  // namespace
}  // namespace qm
