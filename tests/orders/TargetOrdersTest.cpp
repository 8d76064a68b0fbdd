#include "orders/TargetOrders.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

namespace qm {
namespace {

using test::kMe;
using test::Message;

// Land 4 and 5 and coast 20 around water 50 (with an own fleet) and 51.
class TargetOrdersTest : public test::OrderWorld {
protected:
    TargetOrdersTest() {
        Area(4, kLand);
        Area(5, kLand);
        Area(9, kLand);
        Area(20, kCoast);
        Area(21, kCoast);
        Area(50, kWater, 0);
        Area(51, kWater, 0);
        Link(4, 5);
        Link(4, 20);
        Link(20, 50);
        Link(50, 51);
        Link(51, 21);
        Unit(4, kArmy);
        Unit(50, kFleet);
    }

    void Arm(int from, const char* mode) {
        Select(from);
        mapMode() = mode;
    }

    void ExpectNothingRecorded(int from, const QString& order = QString()) {
        EXPECT_EQ(area(from).Command, order);
        EXPECT_EQ(mapMode(), "");
        EXPECT_EQ(port.cell(GridId::Area, from, kColCommand), "<unset>");
    }

    static Message NotAdjacent(int a, int b) {
        return {QStringLiteral("Areas  %1 and  %2 are not adjacent").arg(a).arg(b),
                MessageIcon::Stop};
    }
};

TEST_F(TargetOrdersTest, MoveToAnAdjacentArea) {
    Arm(4, "MO");
    MoveOrder(session, 5);
    EXPECT_EQ(area(4).Command, "MO");
    EXPECT_EQ(area(4).Parm1, 5);
    EXPECT_EQ(port.cell(GridId::Area, 4, kColParm1), "5");
    EXPECT_EQ(mapMode(), "");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(TargetOrdersTest, MoveRefusals) {
    Order(4, "SD", 5);
    Arm(4, "MO");
    MoveOrder(session, 9);
    EXPECT_EQ(port.messages, Messages({NotAdjacent(4, 9)}));
    ExpectNothingRecorded(4, "SD");

    // Not adjacent comes first, so a far water area never reaches the terrain test.
    port.messages.clear();
    Arm(4, "MO");
    MoveOrder(session, 51);
    EXPECT_EQ(port.messages, Messages({NotAdjacent(4, 51)}));

    port.messages.clear();
    Area(60, kWater);
    Link(4, 60);
    Arm(4, "MO");
    MoveOrder(session, 60);
    EXPECT_EQ(port.messages,
              Messages({{"Invalid move between  4 and  60 for unit", MessageIcon::Stop}}));
    ExpectNothingRecorded(4, "SD");
    EXPECT_EQ(area(4).Parm1, 5);
}

TEST_F(TargetOrdersTest, ClickBesideEveryAreaIsRefused) {
    area(4).Neighbours[14] = 0;  // an empty slot would let 0 pass as adjacent
    using Op = void (*)(Session&, std::int16_t);
    for (Op op : {Op{MoveOrder}, Op{SupportAttackOrder}, Op{SupportDefendOrder}, Op{ConvoyOrder}}) {
        port.messages.clear();
        Arm(4, "MO");
        op(session, 0);
        EXPECT_EQ(port.messages, Messages({{QString::fromUtf16(kNoAreaThere), MessageIcon::Stop}}));
        ExpectNothingRecorded(4);
    }
    EXPECT_EQ(port.questions, 0);
}

TEST_F(TargetOrdersTest, OwnerWarningStillMoves) {
    area(5).Owner = 1;
    Arm(4, "MO");
    MoveOrder(session, 5);
    EXPECT_EQ(port.messages, Messages({{"Warning, not allied or at war with owner of area  5",
                                        MessageIcon::Exclamation}}));
    EXPECT_EQ(area(4).Command, "MO");
}

TEST_F(TargetOrdersTest, SupportOwnAttackWithoutAttackerWarns) {
    port.answers = {kMe};
    Arm(4, "SA");
    SupportAttackOrder(session, 5);
    EXPECT_EQ(port.questions, 1);
    EXPECT_EQ(session.interaction.SupportedPlayer, kMe);
    EXPECT_EQ(port.messages,
              Messages({{"Warning, no unit attacking area  5", MessageIcon::Information}}));
    EXPECT_EQ(area(4).Command, "SA");
    EXPECT_EQ(area(4).Parm1, 5);
    EXPECT_EQ(area(4).Parm2, 0);
    EXPECT_EQ(port.cell(GridId::Area, 4, kColParm2), "");
    EXPECT_EQ(mapMode(), "");
}

TEST_F(TargetOrdersTest, SupportOwnAttackWithAnAttacker) {
    Area(200, kLand);
    Order(200, "MO", 5);
    port.answers = {kMe};
    Arm(4, "SA");
    SupportAttackOrder(session, 5);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(4).Parm2, 0);
}

TEST_F(TargetOrdersTest, SupportAnAlliesAttack) {
    port.answers = {5};
    Arm(4, "SA");
    SupportAttackOrder(session, 5);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(session.interaction.SupportedPlayer, 5);
    EXPECT_EQ(area(4).Parm2, 5);
    EXPECT_EQ(port.cell(GridId::Area, 4, kColParm2), "5");
}

TEST_F(TargetOrdersTest, SupportAttackAnswerOutsideThePlayersIsOwnAttack) {
    port.answers = {40};
    Arm(4, "SA");
    SupportAttackOrder(session, 5);
    EXPECT_EQ(session.interaction.SupportedPlayer, kMe);
    EXPECT_EQ(area(4).Parm2, 0);
}

TEST_F(TargetOrdersTest, SupportAttackNotAdjacentAsksNothing) {
    Arm(4, "SA");
    SupportAttackOrder(session, 9);
    EXPECT_EQ(port.questions, 0);
    EXPECT_EQ(port.messages, Messages({NotAdjacent(4, 9)}));
    ExpectNothingRecorded(4);
}

TEST_F(TargetOrdersTest, SupportDefendWarnings) {
    // An empty area: warned, still recorded.
    Arm(4, "SD");
    SupportDefendOrder(session, 5);
    EXPECT_EQ(port.messages, Messages({{"Warning, no unit in area  5", MessageIcon::Stop}}));
    EXPECT_EQ(area(4).Command, "SD");

    // A pending build counts as a unit.
    port.messages.clear();
    Order(5, "AC");
    Arm(4, "SD");
    SupportDefendOrder(session, 5);
    EXPECT_TRUE(port.messages.empty());

    // A unit that is moving away.
    Unit(5, kCorps);
    Order(5, "MO", 4);
    Order(4, "");
    Arm(4, "SD");
    SupportDefendOrder(session, 5);
    EXPECT_EQ(port.messages, Messages({{"Warning, unit is leaving area  5", MessageIcon::Stop}}));
    EXPECT_EQ(area(4).Command, "SD");
    EXPECT_EQ(area(4).Parm1, 5);
}

TEST_F(TargetOrdersTest, SupportDefendNotAdjacent) {
    Arm(4, "SD");
    SupportDefendOrder(session, 9);
    EXPECT_EQ(port.messages, Messages({NotAdjacent(4, 9)}));
    ExpectNothingRecorded(4);
}

class ConvoyTest : public TargetOrdersTest {};

TEST_F(ConvoyTest, ArmyOntoAFleetThenOn) {
    Unit(20, kArmy);
    Arm(20, "CO");
    ConvoyOrder(session, 50);
    EXPECT_EQ(area(20).Command, "CO");
    EXPECT_EQ(area(20).Parm1, 50);

    Unit(51, kFleet);
    Arm(50, "CO");
    ConvoyOrder(session, 51);
    EXPECT_EQ(area(50).Command, "CO");
    Arm(51, "CO");
    ConvoyOrder(session, 21);
    EXPECT_EQ(area(51).Command, "CO");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ConvoyTest, SquadronCarriesACorpsButNoArmy) {
    Unit(20, kArmy);
    Unit(50, kSquadron);
    Arm(20, "CO");
    ConvoyOrder(session, 50);
    EXPECT_EQ(port.messages, Messages({{"Can't conovy an army", MessageIcon::Stop}}));
    ExpectNothingRecorded(20);

    port.messages.clear();
    Unit(20, kCorps);
    Arm(20, "CO");
    ConvoyOrder(session, 50);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(20).Command, "CO");
}

TEST_F(ConvoyTest, SquadronFurtherAlongTheChainCarriesNoArmy) {
    Unit(20, kArmy);
    Order(20, "CO", 50);
    Unit(51, kSquadron);
    Arm(50, "CO");
    ConvoyOrder(session, 51);
    EXPECT_EQ(port.messages, Messages({{"Can't conovy an army", MessageIcon::Stop}}));
    ExpectNothingRecorded(50);
}

TEST_F(ConvoyTest, NoStartFoundWarnsAndRecords) {
    Unit(51, kFleet);
    Arm(50, "CO");
    ConvoyOrder(session, 51);
    EXPECT_EQ(port.messages,
              Messages({{"Warning, can't find start of convoy", MessageIcon::Exclamation}}));
    EXPECT_EQ(area(50).Command, "CO");
}

TEST_F(ConvoyTest, LandingOnAStrangersCoastWarnsWithoutIcon) {
    Unit(20, kArmy);
    Order(20, "CO", 50);
    area(21).Owner = 2;
    Arm(50, "CO");
    ConvoyOrder(session, 21);  // not adjacent: a convoy link is not tested for it
    EXPECT_EQ(
        port.messages,
        Messages({{"Warning, not allied or at war with owner of area  21", MessageIcon::None}}));
    EXPECT_EQ(area(50).Command, "CO");
    EXPECT_EQ(area(50).Parm1, 21);
}

struct ConvoyRefusal {
    const char* what;
    std::int16_t from;
    std::int16_t to;
    std::function<void(GameState&)> setUp;
    const char* message;
};

class ConvoyRefusalTest : public TargetOrdersTest,
                          public ::testing::WithParamInterface<ConvoyRefusal> {};

TEST_P(ConvoyRefusalTest, RefusedAndDisarmed) {
    const ConvoyRefusal& c = GetParam();
    c.setUp(game());
    freeSupply() = 4;
    Arm(c.from, "CO");
    ConvoyOrder(session, c.to);
    EXPECT_EQ(port.messages, Messages({{c.message, MessageIcon::Stop}}));
    ExpectNothingRecorded(c.from);
    EXPECT_EQ(freeSupply(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConvoyRefusalTest,
    ::testing::Values(ConvoyRefusal{"empty_water", 20, 51,
                                    [](GameState& g) { g.area(20).UnitType = kArmy; },
                                    "No unit in area  51 to convoy to"},
                      ConvoyRefusal{"busy_fleet", 20, 50,
                                    [](GameState& g) {
                                        g.area(20).UnitType = kArmy;
                                        g.area(50).Command = "MO";
                                    },
                                    "Unit in area  50 already issued command"},
                      ConvoyRefusal{"land_to_land", 4, 5, [](GameState&) {},
                                    "Can't convoy from one land area to another land area"},
                      ConvoyRefusal{"naval_unit", 20, 50,
                                    [](GameState& g) {
                                        g.area(20).UnitType = kSquadron;
                                        g.area(20).UnitOwner = 3;
                                    },
                                    "Can't convoy a naval unit"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace qm
