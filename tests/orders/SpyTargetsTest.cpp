#include "orders/SpyTargets.h"

#include "orders/OrderWorld.h"
#include "orders/TargetOrders.h"

namespace qm {
namespace {

using test::Message;

class SpyTargetsTest : public test::OrderWorld {
protected:
    using Cells = std::array<QString, SpyTargets::kCells>;
    Cells& cells() { return session.spies.cells; }
};

TEST_F(SpyTargetsTest, ClicksFillTheCellsUpToSix) {
    OpenSpyTargets(session);
    EXPECT_EQ(mapMode(), "SP");
    for (std::int16_t t : {10, 20, 30, 40, 50, 273}) EXPECT_TRUE(SpyOrder(session, t));
    EXPECT_EQ(cells(), (Cells{" 10", " 20", " 30", " 40", " 50", " 273"}));
    EXPECT_TRUE(port.messages.empty());

    EXPECT_FALSE(SpyOrder(session, 60));
    EXPECT_EQ(port.messages, Messages({{"Already at limit of spies", MessageIcon::Stop}}));
    EXPECT_EQ(cells()[5], " 273");
    EXPECT_EQ(mapMode(), "SP");
}

TEST_F(SpyTargetsTest, SameAreaTwiceIsAllowed) {
    OpenSpyTargets(session);
    SpyOrder(session, 7);
    SpyOrder(session, 7);
    EXPECT_EQ(cells()[1], " 7");
}

TEST_F(SpyTargetsTest, ClickBesideEveryAreaIsRefusedSpyModeStays) {
    OpenSpyTargets(session);
    EXPECT_FALSE(SpyOrder(session, 0));
    EXPECT_EQ(port.messages, Messages({{QString::fromUtf16(kNoAreaThere), MessageIcon::Stop}}));
    EXPECT_EQ(cells(), Cells{});
    EXPECT_EQ(mapMode(), "SP");
}

TEST_F(SpyTargetsTest, OpeningShowsOnlyPositiveAreas) {
    game().CommandList[1] = {"SP", {0, 12, 0, -4, 8}};
    game().CommandList[2] = {"SP", {0, 9, 100, 5, 5}};
    OpenSpyTargets(session);
    EXPECT_EQ(cells(), (Cells{" 12", "", "", " 8", " 9", " 100"}));
}

TEST_F(SpyTargetsTest, ClosingWritesBothSlots) {
    game().CommandList[2] = {"SP", {0, 1, 2, 3, 4}};
    OpenSpyTargets(session);
    cells() = {" 10", " 20", " 30", " 40", " 50", ""};
    CloseSpyTargets(session);
    EXPECT_EQ(mapMode(), "");
    EXPECT_EQ(game().CommandList[1].Code, "SP");
    EXPECT_EQ(game().CommandList[1].P, (std::array<std::int16_t, 5>{0, 10, 20, 30, 40}));
    EXPECT_EQ(game().CommandList[2].P, (std::array<std::int16_t, 5>{0, 50, 0, 0, 0}));
    EXPECT_EQ(game().CommandCount, 2);
}

TEST_F(SpyTargetsTest, ClosingEmptyWritesZeros) {
    game().CommandList[1] = {"SP", {0, -3, 0, 0, 0}};
    OpenSpyTargets(session);
    CloseSpyTargets(session);
    EXPECT_EQ(game().CommandList[1].Code, "SP");
    EXPECT_EQ(game().CommandList[1].P, (std::array<std::int16_t, 5>{}));
    EXPECT_EQ(game().CommandList[2].Code, "SP");
    EXPECT_EQ(game().CommandList[2].P, (std::array<std::int16_t, 5>{}));
}

struct DeleteCase {
    std::array<QString, 6> before;
    int first, last;
    std::array<QString, 6> after;
};

class DeleteSpyTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteSpyTest, RemovesAndPacksLeft) {
    SpyTargets spies{GetParam().before};
    DeleteSpyTargets(spies, GetParam().first, GetParam().last);
    EXPECT_EQ(spies.cells, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DeleteSpyTest,
    ::testing::Values(
        DeleteCase{
            {" 10", " 20", " 30", " 40", " 50", " 60"}, 0, 1, {" 30", " 40", " 50", " 60", "", ""}},
        DeleteCase{{" 10", " 20", " 30", "", "", ""}, 1, 1, {" 10", " 30", "", "", "", ""}},
        DeleteCase{{" 10", " 20", " 30", " 40", " 50", " 60"}, 0, 5, {"", "", "", "", "", ""}},
        DeleteCase{{" 10", " 20", " 30", " 40", " 50", " 60"},
                   5,
                   5,
                   {" 10", " 20", " 30", " 40", " 50", ""}},
        DeleteCase{{" 10", " 20", "", "", "", ""}, 3, 9, {" 10", " 20", "", "", "", ""}},
        DeleteCase{{" 10", " 20", "", "", "", ""}, 2, 1, {" 10", " 20", "", "", "", ""}}));

TEST(SpyCellNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(SpyCellNumber(" 12"), 12);
    EXPECT_EQ(SpyCellNumber(""), 0);
    EXPECT_EQ(SpyCellNumber("abc"), 0);
    EXPECT_EQ(SpyCellNumber(" 7x"), 7);
    EXPECT_EQ(SpyCellNumber("2.5"), 2);
    EXPECT_EQ(SpyCellNumber("3.5"), 4);
    EXPECT_EQ(SpyCellNumber("-6"), -6);
    EXPECT_EQ(SpyCellNumber("99999"), 0);
}

}  // namespace
}  // namespace qm
