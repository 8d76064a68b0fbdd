#include "orders/AllyLists.h"

#include "orders/CommandList.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using Players = std::vector<std::int16_t>;

class AllyListsTest : public test::OrderWorld {
protected:
    AllyListsTest() {
        Allies(kMe, 1);
        Relation(kMe, 2, 'W');
        Relation(4, kMe, 'w');
        Allies(kMe, 5);
        Relation(5, kMe, 'W');  // allied on our side, at war on theirs
        Allies(kMe, 6);         // 6 = PlayerCount: not taking part
    }
};

TEST_F(AllyListsTest, AlliesFirstThenEnemiesWithThisTurnsDeclarations) {
    CallToArmsLists lists = CallToArmsCandidates(game());
    EXPECT_EQ(lists.allies, (Players{1}));
    EXPECT_EQ(lists.enemies, (Players{2, 4, 5}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1}));

    AddCommand(session, "DA", 0, 0, 0, 0);  // the neutral player is never listed
    AddCommand(session, "DA", 5, 0, 0, 0);
    AddCommand(session, "DW", 1, 0, 0, 0);  // still an ally: allies come first
    lists = CallToArmsCandidates(game());
    EXPECT_EQ(lists.allies, (Players{1, 5}));
    EXPECT_EQ(lists.enemies, (Players{2, 4}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1, 5}));
}

TEST_F(AllyListsTest, CallToArmsOrdersWithTheirSlots) {
    AddCommand(session, "CA", 1, 2, 0, 0);
    AddCommand(session, "DA", 5, 0, 0, 0);
    AddCommand(session, "CA", 1, 4, 0, 0);
    AddCommand(session, "CA", 1, 4, 0, 0);
    DeleteCommand(game(), 5);
    const auto entries = CallToArmsOrders(game());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "CA P1 P2");
    EXPECT_EQ(entries[0].index, 3);
    EXPECT_EQ(entries[1].text, "CA P1 P4");
    EXPECT_EQ(entries[1].index, 6);
}

}  // namespace
}  // namespace qm
