#include "state/Totals.h"

#include "state/GameState.h"
#include "support/CaseName.h"
#include "support/MakeArea.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::MakeArea;

GameState TotalsGame() {
    GameState game;
    game.CurrentPlayer = 2;
    for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    return game;
}

TEST(TotalsTest, CountsAreasSupplyUpkeepAndBuildsInOwnedAreas) {
    GameState game = TotalsGame();
    game.area(1) = MakeArea(2, kLand, 2, kArmy, 2);
    game.area(2) = MakeArea(2, kCoast, 3, kFleet, 2);
    game.area(3) = MakeArea(2, kWater, 0, kSquadron, 2);
    game.area(4) = MakeArea(2, kNoEntry, 1, kNoUnit, 0, "AA");
    game.area(6) = MakeArea(2, kCoast, 0, kNoUnit, 0, "AS");
    game.area(7) = MakeArea(3, kCoast, 5, kNoUnit, 0, "AF");  // lost: the build is not charged
    game.area(50) = MakeArea(3, kLand, 0, kCorps, 2);         // own unit: upkeep, no supply
    game.area(51) = MakeArea(3, kLand, 0, kArmy, 3);
    // Armies, corps, fleets, squadrons; land (no-entry counts as land), water; supply. Free:
    // army 2, fleet 2, squadron 1, corps 1, builds 2 and 1 charged; below zero is shown.
    const Totals t = ComputeTotals(game);
    EXPECT_EQ(std::tie(t.ArmyCount, t.CorpsCount, t.FleetCount, t.SquadronCount, t.LandAreaCount,
                       t.WaterAreaCount, t.MaxSupply, t.FreeSupply),
              std::make_tuple(1, 1, 1, 1, 4, 1, 6, 6 - 2 - 2 - 1 - 1 - 2 - 1));
}

class TotalsUnitOrder : public ::testing::TestWithParam<std::tuple<int, const char*, int>> {};

TEST_P(TotalsUnitOrder, ChargesTheOrderOnTheUnit) {
    GameState game = TotalsGame();
    const auto [unitType, command, freeSupply] = GetParam();
    game.area(1) = MakeArea(2, kLand, 10, unitType, 2, command);
    EXPECT_EQ(ComputeTotals(game).FreeSupply, freeSupply);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, TotalsUnitOrder, ::testing::Values(
    std::tuple{kSquadron, "RU", 10}, std::tuple{kFleet, "DU", 9}, std::tuple{kCorps, "UU", 8},
    std::tuple{kArmy, "MO", 8}, std::tuple{kNoUnit, "UU", 10}),
    [](const auto& i) { return test::CaseName(i.index, QStringLiteral("Unit%1 %2").arg(std::get<0>(i.param)).arg(std::get<1>(i.param))); });
// clang-format on

}  // namespace
}  // namespace qm
