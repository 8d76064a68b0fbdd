#include "orders/CommandList.h"

#include "orders/AllyLists.h"
#include "orders/Diplomacy.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using Params = std::array<std::int16_t, 5>;
using Players = std::vector<std::int16_t>;

class CommandListTest : public test::OrderWorld {
protected:
    std::optional<std::int16_t> Add(const char* code, std::int16_t p1, std::int16_t p2 = 0) {
        return AddCommand(session.game, session.port, code, p1, p2, 0, 0);
    }
};

TEST_F(CommandListTest, SlotsAreReusedLowestFirstUntilTheListIsFull) {
    game().CommandCount = 0;  // no report opened yet: the spy slots are never given out
    EXPECT_EQ(Add("DA", 1), 3);
    EXPECT_EQ(Add("DW", 4), 4);
    EXPECT_EQ(Add("CA", 1, 4), 5);
    DeleteCommand(game(), 4);
    DeleteCommand(game(), 101);  // outside the table: ignored
    EXPECT_EQ(Add("GA", 2, -1), 4);
    EXPECT_EQ(game().CommandList[4].P, (Params{0, 2, -1, 0, 0}));

    for (int i = 6; i <= 100; ++i) ASSERT_EQ(Add("DN", 1), i);
    EXPECT_EQ(Add("DW", 2), std::nullopt);
    EXPECT_EQ(game().CommandCount, 100);
    for (int i = 6; i <= 100; ++i) EXPECT_EQ(game().CommandList[i].Code, "DN");
    ExpectOnly(QString::fromUtf16(kCommandListFull), MessageIcon::Stop);
}

// Relations and this turn's declarations decide whom we may call or support.
TEST_F(CommandListTest, AllyAndEnemyListsCountThisTurnsDeclarations) {
    Relation(kMe, 1, 'A'), Relation(1, kMe, 'a');  // letters count in either case
    Relation(kMe, 2, 'W'), Relation(4, kMe, 'w');  // war needs one side only
    Relation(kMe, 5, 'A'), Relation(5, kMe, 'W');  // allied on our side, at war on theirs
    Relation(kMe, 6, 'A'), Relation(6, kMe, 'A');  // 6 = PlayerCount: not taking part
    EXPECT_EQ(CallToArmsCandidates(game()).allies, (Players{1}));
    EXPECT_EQ(CallToArmsCandidates(game()).enemies, (Players{2, 4, 5}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1}));

    Add("DA", 0);  // the neutral player is never listed
    Add("DA", 5);
    Add("DW", 1);  // still an ally: allies come first
    EXPECT_EQ(CallToArmsCandidates(game()).allies, (Players{1, 5}));
    EXPECT_EQ(CallToArmsCandidates(game()).enemies, (Players{2, 4}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1, 5}));
    EXPECT_TRUE(HasAllyOrder(game(), 5) && HasWarOrder(game(), 1));
    DeleteCommand(game(), 5);
    EXPECT_FALSE(HasWarOrder(game(), 1));

    Add("CA", 1, 2), Add("CA", 1, 4);  // the first into the freed slot 5
    std::vector<std::pair<QString, int>> entries;
    for (const auto& entry : CallToArmsOrders(game()))
        entries.emplace_back(entry.text, entry.index);
    EXPECT_EQ(entries, (std::vector<std::pair<QString, int>>{{"CA P1 P2", 5}, {"CA P1 P4", 6}}));
}

}  // namespace
}  // namespace qm
