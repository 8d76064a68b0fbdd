#include "state/YourAreas.h"

#include "state/GameState.h"
#include "support/CaseName.h"
#include "support/MakeArea.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::MakeArea;

GameState AreasGame() {
    GameState game;
    game.CurrentPlayer = 1;
    game.PlayerCount = 4;
    game.player(1).ShortName = "GRMN";
    game.player(2).ShortName = "IT";
    game.player(3).ShortName = "AUSTRIA";
    for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    return game;
}

using LineCase = std::tuple<int, AreaRecord, const char*>;
class YourAreaLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(YourAreaLineTest, FormatsTheLine) {
    GameState game = AreasGame();
    const auto& [area, record, line] = GetParam();
    game.area(area) = record;
    EXPECT_EQ(YourAreaLine(game, area), line);
}

// Numbers take three places; parameters of zero or less are left out; long names stay whole.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, YourAreaLineTest, ::testing::Values(
    std::tuple{7, MakeArea(1, kLand, 0, kArmy, 1, "MO", 12), "  7 GRMN A MO  12"},
    std::tuple{105, MakeArea(2, kLand, 0, kCorps, 1), "105   IT C  "},
    std::tuple{44, MakeArea(3, kCoast, 0, kFleet, 1, "SA", 130, 2), " 44 AUSTRIA F SA 130  2"},
    std::tuple{3, MakeArea(1, kLand, 0), "  3 GRMN  "},
    std::tuple{9, MakeArea(1, kLand, 2, kNoUnit, 0, "AA"), "  9 GRMN AA "},
    std::tuple{5, MakeArea(1, kLand, 0, kNoUnit, 0, "SA", 0, -1), "  5 GRMN SA "}),
    [](const auto& i) { return test::CaseName(i.index, std::get<2>(i.param)); });
// clang-format on

TEST(YourAreasTest, ListsOwnedAreasAndOwnUnitsInAscendingOrder) {
    GameState game = AreasGame();
    game.area(200).Owner = 1;
    game.area(4) = MakeArea(2, kLand, 0, kSquadron, 1);
    game.area(50) = MakeArea(2, kLand, 0, kArmy, 2);  // nothing of ours
    EXPECT_EQ(FillYourAreas(game), (QStringList{"  4   IT S  ", "200 GRMN  "}));
}

}  // namespace
}  // namespace qm
