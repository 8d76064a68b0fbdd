#include "orders/TargetOrders.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

namespace qm {
namespace {

using test::kMe;
using test::Message;

// Land 4, 5 and 9, coast 20 and 21 around water 50 (with an own fleet) and 51.
class TargetOrdersTest : public test::OrderWorld {
protected:
    TargetOrdersTest() {
        for (int n : {4, 5, 9}) Area(n, kLand);
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

    void ExpectNothingRecorded(int from, const QString& order = QString()) {
        EXPECT_EQ(area(from).Command, order);
        EXPECT_EQ(mapMode(), "");
        EXPECT_EQ(port.cell(GridId::Area, from, kColCommand), "<unset>");
    }

    static Message NotAdjacent(int a, int b) {
        return {QStringLiteral("Areas  %1 and  %2 are not adjacent").arg(a).arg(b),
                MessageIcon::Stop};
    }
    using Op = void (*)(Session&, std::int16_t);
    void Give(int from, Op op, std::int16_t t) {
        Arm(from, op == MoveOrder            ? "MO"
                  : op == SupportAttackOrder ? "SA"
                  : op == SupportDefendOrder ? "SD"
                                             : "CO");
        op(session, t);
    }
};

TEST_F(TargetOrdersTest, MoveWithOwnerWarningIsRecorded) {
    area(5).Owner = 1;
    Give(4, MoveOrder, 5);
    ExpectOnly("Warning, not allied or at war with owner of area  5", MessageIcon::Exclamation);
    EXPECT_EQ(area(4).Command, "MO");
    EXPECT_EQ(area(4).Parm1, 5);
    EXPECT_EQ(port.cell(GridId::Area, 4, kColParm1), "5");
    EXPECT_EQ(mapMode(), "");
}

TEST_F(TargetOrdersTest, NotAdjacentIsRefusedBeforeAnythingElse) {
    Order(4, "SD", 5);
    // A far water area never reaches the terrain test; support asks nothing.
    for (Op op : {Op{MoveOrder}, Op{SupportAttackOrder}, Op{SupportDefendOrder}}) {
        for (std::int16_t t : {9, 51}) {
            port.messages.clear();
            Give(4, op, t);
            EXPECT_EQ(port.messages, Messages({NotAdjacent(4, t)}));
            ExpectNothingRecorded(4, "SD");
        }
    }
    EXPECT_EQ(port.questions, 0);

    port.messages.clear();
    Area(60, kWater);
    Link(4, 60);
    Give(4, MoveOrder, 60);
    ExpectOnly("Invalid move between  4 and  60 for unit", MessageIcon::Stop);
    ExpectNothingRecorded(4, "SD");
    EXPECT_EQ(area(4).Parm1, 5);
}

TEST_F(TargetOrdersTest, ClickBesideEveryAreaIsRefused) {
    area(4).Neighbours[14] = 0;  // an empty slot would let 0 pass as adjacent
    for (Op op : {Op{MoveOrder}, Op{SupportAttackOrder}, Op{SupportDefendOrder}, Op{ConvoyOrder}}) {
        port.messages.clear();
        Give(4, op, 0);
        ExpectOnly(QString::fromUtf16(kNoAreaThere), MessageIcon::Stop);
        ExpectNothingRecorded(4);
    }
    EXPECT_EQ(port.questions, 0);
}

struct SupportCase {
    std::int16_t answer;
    bool attacker;  // an own unit is ordered into area 5
    std::int16_t supported, parm2;
    const char* warning;
};

class SupportAttackTest : public TargetOrdersTest,
                          public ::testing::WithParamInterface<SupportCase> {};

TEST_P(SupportAttackTest, AsksWhoseAttackAndRecords) {
    const SupportCase& c = GetParam();
    if (c.attacker) Order(200, "MO", 5);
    port.answers = {c.answer};
    Give(4, SupportAttackOrder, 5);
    EXPECT_EQ(port.questions, 1);
    EXPECT_EQ(session.interaction.SupportedPlayer, c.supported);
    if (c.warning)
        ExpectOnly(c.warning, MessageIcon::Information);
    else
        EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(4).Command, "SA");
    EXPECT_EQ(area(4).Parm1, 5);
    EXPECT_EQ(area(4).Parm2, c.parm2);
    EXPECT_EQ(port.cell(GridId::Area, 4, kColParm2), c.parm2 ? QString::number(c.parm2) : "");
    EXPECT_EQ(mapMode(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SupportAttackTest,
    ::testing::Values(SupportCase{kMe, false, kMe, 0, "Warning, no unit attacking area  5"},
                      SupportCase{kMe, true, kMe, 0, nullptr}, SupportCase{5, false, 5, 5, nullptr},
                      SupportCase{40, true, kMe, 0, nullptr}));  // outside the players: own

TEST_F(TargetOrdersTest, SupportDefendWarnings) {
    // An empty area: warned, still recorded.
    Give(4, SupportDefendOrder, 5);
    ExpectOnly("Warning, no unit in area  5", MessageIcon::Stop);
    EXPECT_EQ(area(4).Command, "SD");

    // A pending build counts as a unit.
    port.messages.clear();
    Order(5, "AC");
    Give(4, SupportDefendOrder, 5);
    EXPECT_TRUE(port.messages.empty());

    // A unit that is moving away.
    Unit(5, kCorps);
    Order(5, "MO", 4);
    Order(4, "");
    Give(4, SupportDefendOrder, 5);
    ExpectOnly("Warning, unit is leaving area  5", MessageIcon::Stop);
    EXPECT_EQ(area(4).Command, "SD");
    EXPECT_EQ(area(4).Parm1, 5);
}

TEST_F(TargetOrdersTest, ConvoyArmyOntoAFleetThenOnAndCorpsOntoASquadron) {
    Unit(20, kArmy);
    Give(20, ConvoyOrder, 50);
    EXPECT_EQ(area(20).Command, "CO");
    EXPECT_EQ(area(20).Parm1, 50);

    Unit(51, kFleet);
    Give(50, ConvoyOrder, 51);
    EXPECT_EQ(area(50).Command, "CO");
    Give(51, ConvoyOrder, 21);
    EXPECT_EQ(area(51).Command, "CO");

    Unit(20, kCorps);
    Unit(50, kSquadron);
    Give(20, ConvoyOrder, 50);
    EXPECT_EQ(area(20).Command, "CO");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(TargetOrdersTest, ConvoyWarningsStillRecord) {
    Unit(51, kFleet);
    Give(50, ConvoyOrder, 51);
    ExpectOnly("Warning, can't find start of convoy", MessageIcon::Exclamation);
    EXPECT_EQ(area(50).Command, "CO");

    // Landing on a stranger's coast; a convoy link is not tested for adjacency.
    port.messages.clear();
    Unit(20, kArmy);
    Order(20, "CO", 50);
    area(21).Owner = 2;
    Give(50, ConvoyOrder, 21);
    ExpectOnly("Warning, not allied or at war with owner of area  21", MessageIcon::None);
    EXPECT_EQ(area(50).Command, "CO");
    EXPECT_EQ(area(50).Parm1, 21);
}

// Land 4 to land 5, or the army at coast 20 already convoyed onto the fleet at 50.
struct ConvoyRefusal {
    const char* what;
    std::int16_t from, to, unit20, unit50, unit51;
    const char* order50;
    const char* message;
};

class ConvoyRefusalTest : public TargetOrdersTest,
                          public ::testing::WithParamInterface<ConvoyRefusal> {};

TEST_P(ConvoyRefusalTest, RefusedAndDisarmed) {
    const ConvoyRefusal& c = GetParam();
    Unit(20, c.unit20);
    Unit(50, c.unit50);
    Unit(51, c.unit51);
    Order(50, c.order50);
    if (c.from == 50) Order(20, "CO", 50);
    freeSupply() = 4;
    const QString before = area(c.from).Command;
    Give(c.from, ConvoyOrder, c.to);
    ExpectOnly(c.message, MessageIcon::Stop);
    ExpectNothingRecorded(c.from, before);
    EXPECT_EQ(freeSupply(), 4);
}

constexpr const char* kNoArmy = "Can't conovy an army";

INSTANTIATE_TEST_SUITE_P(
    Rules, ConvoyRefusalTest,
    ::testing::Values(
        ConvoyRefusal{"empty_water", 20, 51, kArmy, kFleet, kNoUnit, "",
                      "No unit in area  51 to convoy to"},
        ConvoyRefusal{"busy_fleet", 20, 50, kArmy, kFleet, kNoUnit, "MO",
                      "Unit in area  50 already issued command"},
        ConvoyRefusal{"land_to_land", 4, 5, kNoUnit, kFleet, kNoUnit, "",
                      "Can't convoy from one land area to another land area"},
        ConvoyRefusal{"naval_unit", 20, 50, kSquadron, kFleet, kNoUnit, "",
                      "Can't convoy a naval unit"},
        ConvoyRefusal{"army_onto_squadron", 20, 50, kArmy, kSquadron, kNoUnit, "", kNoArmy},
        ConvoyRefusal{"squadron_further_on", 50, 51, kArmy, kFleet, kSquadron, "", kNoArmy}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace qm
