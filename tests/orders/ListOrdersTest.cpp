#include "orders/CommandList.h"
#include "orders/Declarations.h"
#include "orders/GrantAccess.h"
#include "orders/OrderWorld.h"
#include "orders/VictoryConditions.h"
#include "state/OrderCodes.h"

namespace qm {
namespace {

using test::kMe;
using Params = std::array<std::int16_t, 5>;

// Player 1 holds "A" toward me but I do not; player 2 is a mutual ally; player 4 says war.
class ListOrdersTest : public test::OrderWorld {
protected:
    ListOrdersTest() {
        Relation(1, kMe, 'A'), Relation(4, kMe, 'W');
        Relation(2, kMe, 'a'), Relation(kMe, 2, 'A');
        game().player(1).PlayerName = "Germany", game().TurnYear = 1880, game().TurnOfYear = 2;
    }
    const CommandRecord& Slot(int i) { return game().CommandList[static_cast<std::size_t>(i)]; }
};

TEST_F(ListOrdersTest, OneDeclarationPerPlayerUntilDeleted) {
    const DeclarationLists lists = DeclarationCandidates(game());
    EXPECT_EQ(lists.allies, std::vector<std::int16_t>{2});
    EXPECT_EQ(lists.neutrals, (std::vector<std::int16_t>{1, 5}));
    EXPECT_EQ(lists.enemies, std::vector<std::int16_t>{4});

    EXPECT_EQ(Declare(game(), port, kDeclareAlliance, 1), (OrderEntry{"DA Germany", 3}));
    EXPECT_EQ(Declare(game(), port, kDeclareWar, 1), std::nullopt);
    ExpectOnly("ANW command has already been issued for Germany", MessageIcon::None);
    EXPECT_EQ(SlotsOf(game(), {kDeclareAlliance, kDeclareWar}), std::vector<std::int16_t>{3});

    DeleteCommand(game(), 3);
    EXPECT_EQ(Declare(game(), port, kDeclareWar, 1), (OrderEntry{"DW Germany", 3}));
    EXPECT_EQ(game().CommandCount, 3);

    // No war on the first turn of a game, from the second on.
    game().TurnOfYear = 1;
    EXPECT_EQ(Declare(game(), port, kDeclareWar, 5), std::nullopt);
    EXPECT_EQ(game().CommandCount, 3);
}

TEST_F(ListOrdersTest, GrantsGoToMutualAlliesForOwnAreasOnly) {
    Area(12, kLand), Area(13, kLand, 2);
    ASSERT_TRUE(Declare(game(), port, kDeclareAlliance, 1));
    EXPECT_EQ(GrantCandidates(game()), std::vector<std::int16_t>{2});  // this turn's "DA" not

    const std::tuple<std::optional<std::int16_t>, const char*, const char*> refusals[] = {
        {std::nullopt, " 12", "Select a player to grant access to"},
        {2, "274", "Area numbers run from 1 to 273"},
        {2, "99999", "Area numbers run from 1 to 273"},
        {2, " 13", "Must own the area to grant access"},
        {2, " 0", "Must own the area to grant access"}};  // a click beside every area
    for (const auto& [player, text, message] : refusals) {
        port.messages.clear();
        EXPECT_EQ(GrantArea(game(), port, player, text), std::nullopt) << text;
        ExpectOnly(message, MessageIcon::Stop);
    }
    EXPECT_EQ(game().CommandCount, 3);
    EXPECT_EQ(GrantArea(game(), port, 2, " 12"), (OrderEntry{"GA P2 12", 4}));
    EXPECT_EQ(GrantAll(game(), port, 2), (OrderEntry{"GA P2 all ", 5}));
    EXPECT_EQ(Slot(5).P, (Params{0, 2, -1, 0, 0}));
    EXPECT_EQ(GrantOrders(game()), (std::vector<OrderEntry>{{"GA P2  12", 4}, {"GA P2 all", 5}}));

    ArmGrant(session.interaction, port, 2);
    EXPECT_EQ(mapMode(), "GA");
    CloseGrantAccess(session.interaction, session.spies);
    EXPECT_EQ(mapMode(), "");
}

TEST_F(ListOrdersTest, VictoryProposalStaysInTheListWhileEdited) {
    VictoryProposal proposal = OpenVictoryConditions(game(), session.interaction);
    EXPECT_EQ(mapMode(), "VC");
    EXPECT_EQ(std::tuple(Slot(3).Code, Slot(3).P), std::tuple("VC", Params{0, 10, 300, 0, 0}));
    EXPECT_TRUE(EnterVictoryValue(game(), proposal, kVictoryTurns, "25"));
    // Typing 999 behind the 300: the text fits until the last digit, and then
    // the value from before the typing is kept, not what the typing left.
    for (const char* typed : {"3009", "30099"})
        EXPECT_TRUE(EnterVictoryValue(game(), proposal, kVictoryPoints, typed));
    EXPECT_FALSE(EnterVictoryValue(game(), proposal, kVictoryPoints, "300999"));
    EXPECT_EQ(Slot(3).P, (Params{0, 25, 300, 0, 0}));
    RefuseVictoryValue(port, proposal, kVictoryPoints);
    ExpectOnly("The number of points must lie between -32768 and 32767; the proposal keeps  300",
               MessageIcon::Stop);
    CloseVictoryConditions(game(), session.interaction, port, session.spies, session.history,
                           proposal);
    EXPECT_EQ(std::pair(mapMode(), game().CommandCount), std::pair(QString(), std::int16_t{3}));

    // With two proposals the one in the lowest slot is edited; the other stays.
    game().CommandList[4] = {"VC", {0, 30, 450, 0, 0}};
    game().CommandCount = 4;
    proposal = OpenVictoryConditions(game(), session.interaction);
    EXPECT_EQ(proposal.slot, 3);
    EXPECT_EQ(proposal.values, (std::array<std::int16_t, 2>{25, 300}));
    EXPECT_EQ(Slot(4).P, (Params{0, 30, 450, 0, 0}));
}

}  // namespace
}  // namespace qm
