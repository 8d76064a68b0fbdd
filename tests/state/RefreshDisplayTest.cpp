#include "state/RefreshDisplay.h"

#include "state/Session.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace qm {
namespace {

using test::FakePort;

class RefreshDisplayTest : public ::testing::Test {
protected:
    RefreshDisplayTest() {
        GameState& game = session.game;
        game.CurrentPlayer = 1;
        game.PlayerCount = 4;
        game.player(1).ShortName = "GRMN";
        game.player(2).ShortName = "FRNC";
        for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    }
    QString Cell(int row, int column) const { return port.cell(GridId::Area, row, column); }

    FakePort port;
    Session session{port};
};

TEST_F(RefreshDisplayTest, AreaRowsShowOwnersTerrainUnitsAndOrders) {
    GameState& game = session.game;
    AreaRecord& own = game.area(7);
    own.Owner = 1;
    own.Name = "Saxon March";
    own.AreaType = kCoast;
    own.Supply = 2;
    own.UnitOwner = 2;
    own.UnitType = kSquadron;
    own.Command = "SA";
    own.Parm1 = 12;
    own.Parm2 = 2;
    game.area(8).Owner = 2;
    game.area(9).Owner = 4;  // the player count: shown as nothing
    game.area(10).Owner = 0;
    game.area(10).UnitOwner = 1;  // own unit owner without a unit
    game.area(11).AreaType = 9;

    RefreshDisplay(session);
    EXPECT_EQ(port.gridRows.at(GridId::Area), 274);
    const QStringList row7 = {"7", "Saxon March", "****", "coast", "2", "FRNC", "squadron", "SA", "12", "2"};
    for (int column = 0; column < kAreaColumnCount; ++column)
        EXPECT_EQ(Cell(7, column), row7[column]) << column;
    EXPECT_EQ(Cell(8, kColOwner), "FRNC");
    EXPECT_EQ(Cell(9, kColOwner), "<unset>");
    EXPECT_EQ(Cell(1, kColOwner), "") << "unseen areas show the empty short name of player 12";
    EXPECT_EQ(Cell(10, kColUnitOwner), "****");
    EXPECT_EQ(Cell(10, kColUnitType), "<unset>");
    EXPECT_EQ(Cell(11, kColType), "no-entry");
    EXPECT_EQ(Cell(8, kColSupply), "<unset>");
    EXPECT_EQ(Cell(8, kColCommand), "<unset>");
    EXPECT_EQ(Cell(8, kColParm1), "<unset>");
}

TEST_F(RefreshDisplayTest, SummaryShowsTheEightTotals) {
    GameState& game = session.game;
    game.area(3).Owner = 1;
    game.area(3).Supply = 1;
    game.area(3).UnitOwner = 1;
    game.area(3).UnitType = kArmy;
    RefreshDisplay(session);
    const QStringList expected = {"1", "0", "0", "0", "1", "0", "1", "-1"};
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(port.cell(GridId::Summary, row, 1), expected[row]) << row;
    EXPECT_EQ(game.totals.FreeSupply, -1);
}

}  // namespace
}  // namespace qm
