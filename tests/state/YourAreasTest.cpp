#include "state/YourAreas.h"

#include "state/GameState.h"
#include "support/MakeArea.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::MakeArea;

GameState Game() {
    GameState game;
    game.CurrentPlayer = 1;
    game.PlayerCount = 4;
    game.player(1).ShortName = "GRMN";
    game.player(2).ShortName = "IT";
    game.player(3).ShortName = "AUSTRIA";
    for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    return game;
}

struct LineCase {
    int area;
    AreaRecord record;
    const char* line;
};

class YourAreaLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(YourAreaLineTest, FormatsTheLine) {
    GameState game = Game();
    game.area(GetParam().area) = GetParam().record;
    EXPECT_EQ(YourAreaLine(game, GetParam().area), GetParam().line);
}

// Numbers take three places; parameters of zero or less are left out; long names stay whole.
INSTANTIATE_TEST_SUITE_P(
    Lines, YourAreaLineTest,
    ::testing::Values(LineCase{7, MakeArea(1, kLand, 0, kArmy, 1, "MO", 12), "  7 GRMN A MO  12"},
                      LineCase{105, MakeArea(2, kLand, 0, kCorps, 1), "105   IT C  "},
                      LineCase{44, MakeArea(3, kCoast, 0, kFleet, 1, "SA", 130, 2),
                               " 44 AUSTRIA F SA 130  2"},
                      LineCase{3, MakeArea(1, kLand, 0), "  3 GRMN  "},
                      LineCase{9, MakeArea(1, kLand, 2, kNoUnit, 0, "AA"), "  9 GRMN AA "},
                      LineCase{5, MakeArea(1, kLand, 0, kNoUnit, 0, "SA", 0, -1), "  5 GRMN SA "}));

TEST(YourAreasTest, ListsOwnedAreasAndOwnUnitsInAscendingOrder) {
    GameState game = Game();
    game.area(200).Owner = 1;
    game.area(4) = MakeArea(2, kLand, 0, kSquadron, 1);
    game.area(50) = MakeArea(2, kLand, 0, kArmy, 2);  // nothing of ours
    EXPECT_EQ(FillYourAreas(game), (QStringList{"  4   IT S  ", "200 GRMN  "}));
}

}  // namespace
}  // namespace qm
