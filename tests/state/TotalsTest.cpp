#include "state/Totals.h"

#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class TotalsTest : public ::testing::Test {
protected:
    TotalsTest() {
        game.CurrentPlayer = 2;
        for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    }
    AreaRecord& Own(int number, std::int16_t type, std::int16_t supply) {
        AreaRecord& area = game.area(number);
        area.Owner = 2;
        area.AreaType = type;
        area.Supply = supply;
        return area;
    }
    AreaRecord& Unit(int number, std::int16_t unitType, std::int16_t owner = 2) {
        AreaRecord& area = game.area(number);
        area.UnitType = unitType;
        area.UnitOwner = owner;
        return area;
    }
    GameState game;
};

TEST_F(TotalsTest, CountsAreasSupplyAndUpkeep) {
    Own(1, kLand, 2);
    Own(2, kCoast, 3);
    Own(3, kWater, 0);
    Own(4, kNoEntry, 1);
    Unit(1, kArmy);
    Unit(2, kFleet);
    Unit(3, kSquadron);
    Unit(50, kCorps);        // own unit in an area not owned: upkeep, no supply
    Unit(51, kArmy, 3);      // another player's unit: nothing
    game.area(52).Supply = 5;  // an unowned supply centre: nothing
    const Totals t = ComputeTotals(game);
    EXPECT_EQ(t.ArmyCount, 1);
    EXPECT_EQ(t.CorpsCount, 1);
    EXPECT_EQ(t.FleetCount, 1);
    EXPECT_EQ(t.SquadronCount, 1);
    EXPECT_EQ(t.LandAreaCount, 3);  // no-entry counts as land
    EXPECT_EQ(t.WaterAreaCount, 1);
    EXPECT_EQ(t.MaxSupply, 6);
    EXPECT_EQ(t.FreeSupply, 6 - 2 - 2 - 1 - 1);
}

TEST_F(TotalsTest, PendingBuildsChargedOnlyInOwnedAreas) {
    Own(1, kLand, 4).Command = "AA";
    Own(2, kCoast, 3).Command = "AS";
    game.area(3).Command = "AF";  // no longer owned
    EXPECT_EQ(ComputeTotals(game).FreeSupply, 7 - 2 - 1);
}

struct UnitOrderCase {
    std::int16_t unitType;
    const char* command;
    int freeSupply;
};

class TotalsUnitOrder : public TotalsTest, public ::testing::WithParamInterface<UnitOrderCase> {};

TEST_P(TotalsUnitOrder, ChargesTheOrderOnTheUnit) {
    Own(1, kLand, 10);
    Unit(1, GetParam().unitType).Command = GetParam().command;
    EXPECT_EQ(ComputeTotals(game).FreeSupply, GetParam().freeSupply);
}

INSTANTIATE_TEST_SUITE_P(Table, TotalsUnitOrder,
                         ::testing::Values(UnitOrderCase{kArmy, "RU", 10},
                                           UnitOrderCase{kCorps, "RU", 10},
                                           UnitOrderCase{kFleet, "RU", 10},
                                           UnitOrderCase{kSquadron, "RU", 10},
                                           UnitOrderCase{kArmy, "DU", 9},
                                           UnitOrderCase{kFleet, "DU", 9},
                                           UnitOrderCase{kCorps, "UU", 8},
                                           UnitOrderCase{kSquadron, "UU", 8},
                                           UnitOrderCase{kArmy, "MO", 8}));

TEST_F(TotalsTest, FreeSupplyMayBeNegative) {
    Own(1, kLand, 1);
    Unit(1, kArmy);
    Unit(2, kArmy);
    EXPECT_EQ(ComputeTotals(game).FreeSupply, -3);
}

}  // namespace
}  // namespace qm
