#include "state/RefreshDisplay.h"

#include "support/FakePort.h"
#include "support/GameAndPort.h"
#include "support/MakeArea.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace qm {
namespace {

TEST(RefreshDisplayTest, AreaRowsShowOwnersTerrainUnitsAndOrders) {
    test::FakePort port;
    test::GameAndPort session{port};
    GameState& game = session.game;
    game.CurrentPlayer = 1;
    game.PlayerCount = 4;
    game.player(1).ShortName = "GRMN";
    game.player(2).ShortName = "FRNC";
    for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    game.area(7) = test::MakeArea(1, kCoast, 2, kSquadron, 2, "SA", 12, 2);
    game.area(7).Name = "Saxon March";
    game.area(8).Owner = 2;
    game.area(9).Owner = 4;  // the player count: shown as nothing
    game.area(10).Owner = 0;
    game.area(10).UnitOwner = 1;  // own unit owner without a unit
    game.area(11).AreaType = 9;
    // What an earlier report left in the grid.
    for (int row = 1; row <= kLastArea; ++row)
        for (int column = 0; column < kAreaColumnCount; ++column)
            port.SetGridCell(GridId::Area, row, column, "old");

    RefreshDisplay(session.game, session.port);
    EXPECT_EQ(port.gridRows.at(GridId::Area), 274);
    const auto cell = [&](int row, int column) { return port.cell(GridId::Area, row, column); };
    const QStringList row7 = QString("7|Saxon March|****|coast|2|FRNC|squadron|SA|12|2").split('|');
    for (int column = 0; column < kAreaColumnCount; ++column)
        EXPECT_EQ(cell(7, column), row7[column]) << column;
    EXPECT_EQ(cell(8, kColOwner), "FRNC");
    EXPECT_EQ(cell(1, kColOwner), "") << "unseen areas show the empty short name of player 12";
    EXPECT_EQ(cell(10, kColUnitOwner), "****");
    EXPECT_EQ(cell(11, kColType), "no-entry");
    // Cells with nothing to show are emptied: every row shows this report alone.
    const std::pair<int, int> empty[] = {
        {9, kColOwner}, {10, kColUnitType}, {8, kColSupply}, {8, kColCommand}, {8, kColParm1}};
    for (const auto& [row, column] : empty)
        EXPECT_EQ(cell(row, column), "") << row << ' ' << column;
    for (int row = 1; row <= kLastArea; ++row)
        for (int column = 0; column < kAreaColumnCount; ++column)
            ASSERT_NE(cell(row, column), "old") << row << ' ' << column;
}

}  // namespace
}  // namespace qm
