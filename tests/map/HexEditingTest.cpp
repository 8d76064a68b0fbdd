#include "map/HexEditing.h"

#include "map/HexSearch.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class HexEditingTest : public ::testing::Test {
protected:
    HexEditingTest() {
        HexCell& cell = hexes.at(4, 6);
        cell.Area = 9, cell.Border[2] = 1, cell.ShowSupply = -1;
    }
    GameState game;
    HexGrid hexes;
};

TEST_F(HexEditingTest, TheEditorShowsTheCellAndStoresIntoItGrowingTheAreasBox) {
    HexCellEdit edit = EditOfCell(hexes, 4, 6);
    EXPECT_EQ(edit.areaText, "9");
    EXPECT_EQ(edit.borders, (std::array<bool, 6>{false, true, false, false, false, false}));
    EXPECT_EQ(edit.labels, (std::array<bool, 3>{false, false, true}));

    edit.areaText = " 12.5 and more";  // the leading number, a half to the even neighbour
    edit.borders = {true, false, false, false, false, true};
    edit.labels = {true, true, false};
    ASSERT_TRUE(StoreHexCell(game, hexes, 4, 6, edit));
    const HexCell& cell = hexes.at(4, 6);
    EXPECT_EQ(cell.Area, 12);
    EXPECT_EQ(cell.Border, (std::array<std::int16_t, 7>{0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(std::tuple(cell.ShowNumber, cell.ShowUnit, cell.ShowSupply), std::tuple(-1, -1, 0));
    EXPECT_EQ(FindHexOfArea(game, hexes, 12), (HexPosition{4, 6}));
}

TEST_F(HexEditingTest, AnAreaOutside1To273ChangesNothing) {
    for (const char* typed : {"0", "274", "none", "", "-3"}) {
        HexCellEdit edit;
        edit.areaText = typed;
        EXPECT_FALSE(StoreHexCell(game, hexes, 4, 6, edit)) << typed;
        EXPECT_EQ(hexes.at(4, 6).Area, 9);
        EXPECT_EQ(hexes.at(4, 6).Border[2], 1);
    }
}

}  // namespace
}  // namespace qm
