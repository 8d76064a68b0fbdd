#include "orders/CommandList.h"

#include "orders/Diplomacy.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using Params = std::array<std::int16_t, 5>;

class CommandListTest : public test::OrderWorld {};

TEST_F(CommandListTest, SlotsAreReusedLowestFirstAndSpySlotsNeverGivenOut) {
    game().CommandCount = 0;  // no report opened yet
    EXPECT_EQ(AddCommand(session, "DA", 1, 0, 0, 0), 3);
    EXPECT_TRUE(game().CommandList[1].IsEmpty());
    DeleteCommand(game(), 3);
    EXPECT_EQ(AddCommand(session, "DA", 2, 0, 0, 0), 3);
    EXPECT_EQ(AddCommand(session, "DW", 4, 0, 0, 0), 4);
    EXPECT_EQ(AddCommand(session, "CA", 1, 4, 0, 0), 5);
    DeleteCommand(game(), 4);
    DeleteCommand(game(), -1);  // outside the table: ignored
    DeleteCommand(game(), 101);
    EXPECT_TRUE(game().CommandList[4].IsEmpty());
    EXPECT_EQ(game().CommandList[4].P, Params{});
    EXPECT_EQ(game().CommandCount, 5);
    EXPECT_EQ(AddCommand(session, "GA", 2, -1, 0, 0), 4);
    EXPECT_EQ(AddCommand(session, "VC", 15, 300, 0, 0), 6);
    EXPECT_EQ(game().CommandList[4].Code, "GA");
    EXPECT_EQ(game().CommandList[4].P, (Params{0, 2, -1, 0, 0}));
    EXPECT_EQ(game().CommandList[3].Code, "DA");
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

TEST_F(CommandListTest, DeclarationQueriesLookAtEverySlotInUse) {
    AddCommand(session, "DA", 1, 0, 0, 0);
    AddCommand(session, "DW", 2, 0, 0, 0);
    AddCommand(session, "DN", 4, 0, 0, 0);
    EXPECT_TRUE(HasAllyOrder(game(), 1));
    EXPECT_FALSE(HasWarOrder(game(), 1));
    EXPECT_TRUE(HasWarOrder(game(), 2));
    EXPECT_FALSE(HasAllyOrder(game(), 4) || HasWarOrder(game(), 4));
    DeleteCommand(game(), 4);
    EXPECT_FALSE(HasWarOrder(game(), 2));
}

struct RelationCase {
    char ab, ba;  // a's letter toward b, b's toward a
    bool allied, atWar;
};

class RelationTest : public test::OrderWorld, public ::testing::WithParamInterface<RelationCase> {};

TEST_P(RelationTest, AllianceNeedsBothWarEither) {
    const RelationCase c = GetParam();
    Relation(1, 2, c.ab);
    Relation(2, 1, c.ba);
    EXPECT_EQ(IsMutualAlliance(game(), 1, 2), c.allied);
    EXPECT_EQ(IsMutualAlliance(game(), 2, 1), c.allied);
    EXPECT_EQ(IsAtWar(game(), 1, 2), c.atWar);
    EXPECT_EQ(IsAtWar(game(), 2, 1), c.atWar);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, RelationTest,
    ::testing::Values(RelationCase{'A', 'A', true, false}, RelationCase{'a', 'A', true, false},
                      RelationCase{'A', 'N', false, false}, RelationCase{'W', 'N', false, true},
                      RelationCase{'N', 'w', false, true}, RelationCase{'A', 'W', false, true},
                      RelationCase{'\0', '\0', false, false}));

}  // namespace
}  // namespace qm
