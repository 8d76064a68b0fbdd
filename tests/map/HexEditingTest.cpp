#include "map/HexEditing.h"

#include "map/HexGrid.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(HexEditingTest, AnAreaOutside1To273ChangesNothing) {
    GameState game;
    HexGrid hexes;
    hexes.at(4, 6).Area = 9;
    HexCellEdit edit = EditOfCell(hexes, 4, 6);
    for (const char* typed : {"0", "274", "273.5", "none", "", "-3"}) {
        edit.areaText = typed;
        edit.borders[0] = true;
        EXPECT_FALSE(StoreHexCell(game, hexes, 4, 6, edit)) << typed;
        EXPECT_EQ(hexes.at(4, 6), (HexCell{9}));
    }
}

}  // namespace
}  // namespace qm
