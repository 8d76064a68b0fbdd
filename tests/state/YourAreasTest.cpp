#include "state/YourAreas.h"

#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class YourAreasTest : public ::testing::Test {
protected:
    YourAreasTest() {
        game.CurrentPlayer = 1;
        game.PlayerCount = 4;
        game.player(1).ShortName = "GRMN";
        game.player(2).ShortName = "IT";
        game.player(3).ShortName = "AUSTRIA";
        for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    }
    GameState game;
};

TEST_F(YourAreasTest, OwnAreaWithArmyMovingShowsPaddedNumbers) {
    AreaRecord& area = game.area(7);
    area.Owner = 1;
    area.UnitOwner = 1;
    area.UnitType = kArmy;
    area.Command = "MO";
    area.Parm1 = 12;
    EXPECT_EQ(YourAreaLine(game, 7), "  7 GRMN A MO  12");
}

TEST_F(YourAreasTest, OwnCorpsInAnotherPlayersAreaWithoutOrder) {
    AreaRecord& area = game.area(105);
    area.Owner = 2;
    area.UnitOwner = 1;
    area.UnitType = kCorps;
    EXPECT_EQ(YourAreaLine(game, 105), "105   IT C  ");
}

TEST_F(YourAreasTest, SupportAttackShowsBothParametersAndLongNamesStayWhole) {
    AreaRecord& area = game.area(44);
    area.Owner = 3;
    area.UnitOwner = 1;
    area.UnitType = kFleet;
    area.Command = "SA";
    area.Parm1 = 130;
    area.Parm2 = 2;
    EXPECT_EQ(YourAreaLine(game, 44), " 44 AUSTRIA F SA 130  2");
}

TEST_F(YourAreasTest, EmptyOwnAreaAndBuildOrderHaveNoUnitLetter) {
    game.area(3).Owner = 1;
    game.area(9).Owner = 1;
    game.area(9).Command = "AA";
    EXPECT_EQ(YourAreaLine(game, 3), "  3 GRMN  ");
    EXPECT_EQ(YourAreaLine(game, 9), "  9 GRMN AA ");
}

TEST_F(YourAreasTest, NegativeOrZeroParametersAreLeftOut) {
    game.area(5).Owner = 1;
    game.area(5).Command = "SA";
    game.area(5).Parm1 = 0;
    game.area(5).Parm2 = -1;
    EXPECT_EQ(YourAreaLine(game, 5), "  5 GRMN SA ");
}

TEST_F(YourAreasTest, ListsOwnedAreasAndOwnUnitsInAscendingOrder) {
    game.area(200).Owner = 1;
    game.area(4).Owner = 2;
    game.area(4).UnitOwner = 1;
    game.area(4).UnitType = kSquadron;
    game.area(50).Owner = 2;  // neither owned nor an own unit
    game.area(50).UnitOwner = 2;
    game.area(50).UnitType = kArmy;
    const QStringList lines = FillYourAreas(game);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "  4   IT S  ");
    EXPECT_EQ(lines[1], "200 GRMN  ");
}

}  // namespace
}  // namespace qm
