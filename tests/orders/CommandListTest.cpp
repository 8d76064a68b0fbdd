#include "orders/CommandList.h"

#include "orders/AllyLists.h"
#include "orders/Diplomacy.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using Params = std::array<std::int16_t, 5>;
using Players = std::vector<std::int16_t>;

class CommandListTest : public test::OrderWorld {};

TEST_F(CommandListTest, SlotsAreReusedLowestFirstAndSpySlotsNeverGivenOut) {
    game().CommandCount = 0;  // no report opened yet
    EXPECT_EQ(AddCommand(session, "DA", 1, 0, 0, 0), 3);
    EXPECT_EQ(AddCommand(session, "DW", 4, 0, 0, 0), 4);
    EXPECT_EQ(AddCommand(session, "CA", 1, 4, 0, 0), 5);
    DeleteCommand(game(), 4);
    DeleteCommand(game(), -1);  // outside the table: ignored
    DeleteCommand(game(), 101);
    EXPECT_EQ(game().CommandList[4].P, Params{});
    EXPECT_EQ(game().CommandCount, 5);
    EXPECT_EQ(AddCommand(session, "GA", 2, -1, 0, 0), 4);
    EXPECT_EQ(AddCommand(session, "VC", 15, 300, 0, 0), 6);
    EXPECT_EQ(game().CommandList[4].Code, "GA");
    EXPECT_EQ(game().CommandList[4].P, (Params{0, 2, -1, 0, 0}));
    EXPECT_TRUE(game().CommandList[1].IsEmpty());
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(CommandListTest, FullListRefusesAndChangesNothing) {
    for (int i = 3; i <= 100; ++i) ASSERT_EQ(AddCommand(session, "DN", 1, 0, 0, 0), i);
    EXPECT_EQ(AddCommand(session, "DW", 2, 0, 0, 0), std::nullopt);
    EXPECT_EQ(game().CommandCount, 100);
    for (int i = 3; i <= 100; ++i) EXPECT_EQ(game().CommandList[i].Code, "DN");
    ExpectOnly(QString::fromUtf16(kCommandListFull), MessageIcon::Stop);
    DeleteCommand(game(), 57);
    EXPECT_EQ(AddCommand(session, "DW", 2, 0, 0, 0), 57);
}

TEST_F(CommandListTest, AllianceNeedsBothLettersWarEither) {
    const std::tuple<char, char, bool, bool> cases[] = {
        // 1 toward 2, 2 toward 1, allied, war
        {'A', 'A', true, false},   {'a', 'A', true, false}, {'A', 'N', false, false},
        {'W', 'N', false, true},   {'N', 'w', false, true}, {'A', 'W', false, true},
        {'\0', '\0', false, false}};
    for (auto [ab, ba, allied, atWar] : cases) {
        Relation(1, 2, ab);
        Relation(2, 1, ba);
        for (auto [a, b] : {std::pair{1, 2}, {2, 1}}) {
            EXPECT_EQ(IsMutualAlliance(game(), a, b), allied) << ab << ba;
            EXPECT_EQ(IsAtWar(game(), a, b), atWar) << ab << ba;
        }
    }
}

// Relations and this turn's declarations decide whom we may call or support.
TEST_F(CommandListTest, AllyAndEnemyListsCountThisTurnsDeclarations) {
    Allies(kMe, 1);
    Relation(kMe, 2, 'W');
    Relation(4, kMe, 'w');
    Allies(kMe, 5);
    Relation(5, kMe, 'W');  // allied on our side, at war on theirs
    Allies(kMe, 6);         // 6 = PlayerCount: not taking part
    EXPECT_EQ(CallToArmsCandidates(game()).allies, (Players{1}));
    EXPECT_EQ(CallToArmsCandidates(game()).enemies, (Players{2, 4, 5}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1}));

    AddCommand(session, "DA", 0, 0, 0, 0);  // the neutral player is never listed
    AddCommand(session, "DA", 5, 0, 0, 0);
    AddCommand(session, "DW", 1, 0, 0, 0);  // still an ally: allies come first
    EXPECT_EQ(CallToArmsCandidates(game()).allies, (Players{1, 5}));
    EXPECT_EQ(CallToArmsCandidates(game()).enemies, (Players{2, 4}));
    EXPECT_EQ(SupportAttackCandidates(game()), (Players{1, 5}));
    EXPECT_TRUE(HasAllyOrder(game(), 5));
    EXPECT_FALSE(HasWarOrder(game(), 5));
    EXPECT_TRUE(HasWarOrder(game(), 1));
    DeleteCommand(game(), 5);
    EXPECT_FALSE(HasWarOrder(game(), 1));
}

TEST_F(CommandListTest, CallToArmsOrdersWithTheirSlots) {
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
