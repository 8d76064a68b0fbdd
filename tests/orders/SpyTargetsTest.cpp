#include "orders/SpyTargets.h"

#include "orders/OrderWorld.h"

namespace qm {
namespace {

using Cells = std::array<QString, SpyTargets::kCells>;
using Params = std::array<std::int16_t, 5>;

class SpyTargetsTest : public test::OrderWorld {
protected:
    Cells& cells() { return session.spies.cells; }
};

TEST_F(SpyTargetsTest, ClicksFillTheCellsUpToSix) {
    OpenSpyTargets(session.game, session.interaction, session.spies);
    EXPECT_EQ(mapMode(), "SP");
    for (std::int16_t t : {10, 20, 20, 40, 50, 273})
        EXPECT_TRUE(SpyOrder(session.spies, session.port, t));
    EXPECT_EQ(cells(), (Cells{" 10", " 20", " 20", " 40", " 50", " 273"}));

    EXPECT_FALSE(SpyOrder(session.spies, session.port, 60));
    ExpectOnly("Already at limit of spies", MessageIcon::Stop);
    EXPECT_EQ(cells()[5], " 273");
    EXPECT_EQ(mapMode(), "SP");
}

TEST_F(SpyTargetsTest, OpeningShowsOnlyPositiveAreasClosingWritesBothSlots) {
    game().CommandList[1] = {"SP", {0, 12, 0, -4, 8}};
    game().CommandList[2] = {"SP", {0, 9, 100, 5, 5}};
    OpenSpyTargets(session.game, session.interaction, session.spies);
    EXPECT_EQ(cells(), (Cells{" 12", "", "", " 8", " 9", " 100"}));

    cells() = {" 10", " 20", " 30", " 40", " 50", ""};
    CloseSpyTargets(session.game, session.interaction, session.spies);
    EXPECT_EQ(mapMode(), "");
    EXPECT_EQ(game().CommandList[1].Code, "SP");
    EXPECT_EQ(game().CommandList[1].P, (Params{0, 10, 20, 30, 40}));
    EXPECT_EQ(game().CommandList[2].P, (Params{0, 50, 0, 0, 0}));
    EXPECT_EQ(game().CommandCount, 2);

    // With none chosen both slots are still written.
    cells() = {};
    CloseSpyTargets(session.game, session.interaction, session.spies);
    EXPECT_EQ(game().CommandList[2].Code, "SP");
    EXPECT_EQ(game().CommandList[2].P, Params{});
}

TEST(SpyTargets, DeleteRemovesARangeAndPacksLeft) {
    const Cells full{" 10", " 20", " 30", " 40", " 50", " 60"};
    const Cells few{" 10", " 20", " 30", "", "", ""};
    const std::tuple<Cells, int, int, Cells> cases[] = {
        {full, 0, 1, {" 30", " 40", " 50", " 60", "", ""}},
        {few, 1, 1, {" 10", " 30", "", "", "", ""}},
        {full, 5, 5, {" 10", " 20", " 30", " 40", " 50", ""}},
        {few, 3, 9, few}};
    for (const auto& [before, first, last, after] : cases) {
        SpyTargets spies{before};
        DeleteSpyTargets(spies, first, last);
        EXPECT_EQ(spies.cells, after) << first << ".." << last;
    }
}

TEST(SpyTargets, CellNumberIsTheLeadingNumber) {
    const std::pair<const char*, int> cases[] = {{" 12", 12}, {"", 0},    {"abc", 0}, {" 7x", 7},
                                                 {"2.5", 2},  {"3.5", 4}, {"-6", -6}, {"99999", 0}};
    for (auto [text, number] : cases) EXPECT_EQ(SpyCellNumber(text), number) << text;
}

}  // namespace
}  // namespace qm
