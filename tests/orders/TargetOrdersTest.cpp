#include "orders/TargetOrders.h"

#include "orders/OrderWorld.h"
#include "support/CaseName.h"

namespace qm {
namespace {

using test::kMe;
using Op = void (*)(const OrderContext&, std::int16_t);

// The map mode that waits for each order's target.
const char* ModeOf(Op op) {
    const Op ops[] = {MoveOrder, SupportAttackOrder, SupportDefendOrder, ConvoyOrder};
    return std::array{"MO", "SA", "SD", "CO"}[std::find(ops, ops + 4, op) - ops];
}

// Own land 4 (army, ordered to support 5) beside land 5, water 60 and coast 20;
// water 50 (own fleet) joins coast 20 to water 51 and coast 21; land 9 lies apart.
class TargetOrdersTest : public test::OrderWorld {
protected:
    TargetOrdersTest() {
        for (int n : {4, 5, 9}) Area(n, kLand);
        for (int n : {20, 21}) Area(n, kCoast);
        for (int n : {50, 51, 60}) Area(n, kWater, 0);
        for (auto [a, b] : {std::pair{4, 5}, {4, 20}, {4, 60}, {20, 50}, {50, 51}, {51, 21}})
            Link(a, b);
        Unit(4, kArmy), Order(4, "SD", 5);
    }
    // Arms the order's map mode, as the double-click does, and gives it.
    void Give(int from, Op op, std::int16_t t) {
        Arm(from, ModeOf(op));
        op(session.orders(), t);
    }
};

// Only the mover's list counts: 9 lists 4, but 4 does not list 9.
TEST_F(TargetOrdersTest, AdjacencyIsReadFromTheMoversList) {
    AddNeighbour(9, 4), Unit(9, kArmy);
    Give(9, MoveOrder, 4);
    EXPECT_EQ(std::pair(area(9).Command, area(9).Parm1), std::pair(QString("MO"), std::int16_t{4}));
    ExpectRefused(4, "Areas  4 and  9 are not adjacent", [&] { Give(4, MoveOrder, 9); });
}

// One row: the order, and its world where it differs from the set-up.
struct TargetCase {
    Op op;
    std::int16_t from, to;
    const char* message = nullptr;
    MessageIcon icon = MessageIcon::Stop;
    std::int16_t unit5 = kNoUnit;
    const char* order5 = "";
    std::int16_t unit20 = kNoUnit, unit50 = kFleet, unit51 = kNoUnit;
    bool convoyed = false;  // the unit at 20 is convoyed onto 50
    const char* order50 = "";
    std::int16_t owner = -1;  // of the target, when not as set up
    std::int16_t answer = kMe, parm2 = 0;
    bool attacker = false;  // an own unit is ordered into area 5
};

class TargetOrderTable : public TargetOrdersTest, public ::testing::WithParamInterface<TargetCase> {
protected:
    void SetUp() override {
        const TargetCase& c = GetParam();
        Unit(5, c.unit5), Order(5, c.order5), Unit(20, c.unit20);
        Unit(50, c.unit50), Order(50, c.order50), Unit(51, c.unit51);
        if (c.convoyed) Order(20, "CO", 50);
        if (c.owner >= 0) area(c.to).Owner = c.owner;
        if (c.attacker) Order(200, "MO", 5);
        port.answers = {c.answer};
    }
};

std::string Named(const ::testing::TestParamInfo<TargetCase>& i) {
    return test::CaseName(i.index, ModeOf(i.param.op) + QString(' ') + i.param.message);
}

using RefusedTable = TargetOrderTable;

TEST_P(RefusedTable, RecordsNothingAndDisarms) {
    const TargetCase& c = GetParam();
    ExpectRefused(c.from, c.message, [&] { Give(c.from, c.op, c.to); });
    EXPECT_EQ(port.questions, 0);
}

constexpr const char* kNoArmy = "Can't conovy an army";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, RefusedTable, ::testing::Values(
    // A far water area never reaches the terrain test; support asks nothing.
    TargetCase{SupportAttackOrder, 4, 51, "Areas  4 and  51 are not adjacent"},
    TargetCase{MoveOrder, 4, 60, "Invalid move between  4 and  60 for unit"},
    // Beside every area: the empty neighbour slots hold 0, yet 0 is no neighbour.
    TargetCase{SupportAttackOrder, 4, 0, "No area there: click inside an area"},
    TargetCase{ConvoyOrder, 4, 5, "Can't convoy from one land area to another land area"},
    TargetCase{.op = ConvoyOrder, .from = 20, .to = 51,
               .message = "No unit in area  51 to convoy to", .unit20 = kArmy},
    TargetCase{.op = ConvoyOrder, .from = 20, .to = 50,
               .message = "Unit in area  50 already issued command", .unit20 = kArmy,
               .order50 = "MO"},
    TargetCase{.op = ConvoyOrder, .from = 20, .to = 50, .message = "Can't convoy a naval unit",
               .unit20 = kSquadron},
    TargetCase{.op = ConvoyOrder, .from = 20, .to = 50, .message = kNoArmy, .unit20 = kArmy,
               .unit50 = kSquadron},
    TargetCase{.op = ConvoyOrder, .from = 50, .to = 51, .message = kNoArmy, .unit20 = kArmy,
               .unit51 = kSquadron, .convoyed = true}),
    Named);
// clang-format on

using RecordedTable = TargetOrderTable;

TEST_P(RecordedTable, StandsWithOrWithoutAWarning) {
    const TargetCase& c = GetParam();
    Give(c.from, c.op, c.to);
    EXPECT_EQ(port.messages, c.message ? Messages({{c.message, c.icon}}) : Messages({}));
    EXPECT_EQ(area(c.from).Command, ModeOf(c.op));
    EXPECT_EQ(std::pair(area(c.from).Parm1, area(c.from).Parm2), std::pair(c.to, c.parm2));
    EXPECT_EQ(mapMode(), "");
    EXPECT_EQ(port.questions, c.op == SupportAttackOrder ? 1 : 0);
    if (c.op == SupportAttackOrder) {
        EXPECT_EQ(session.interaction.SupportedPlayer, c.parm2 ? c.parm2 : kMe);
    }
}

constexpr auto kWarn = MessageIcon::Exclamation;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, RecordedTable, ::testing::Values(
    TargetCase{.op = MoveOrder, .from = 4, .to = 5,
               .message = "Warning, not allied or at war with owner of area  5", .icon = kWarn,
               .owner = 1},
    TargetCase{SupportAttackOrder, 4, 5, "Warning, no unit attacking area  5",
               MessageIcon::Information},
    TargetCase{.op = SupportAttackOrder, .from = 4, .to = 5, .attacker = true},
    TargetCase{.op = SupportAttackOrder, .from = 4, .to = 5, .answer = 5, .parm2 = 5},
    TargetCase{SupportDefendOrder, 4, 5, "Warning, no unit in area  5"},
    TargetCase{.op = SupportDefendOrder, .from = 4, .to = 5, .order5 = "AC"},  // a build counts
    TargetCase{.op = SupportDefendOrder, .from = 4, .to = 5,
               .message = "Warning, unit is leaving area  5", .unit5 = kCorps, .order5 = "MO"},
    TargetCase{.op = ConvoyOrder, .from = 20, .to = 50, .unit20 = kCorps, .unit50 = kSquadron},
    TargetCase{.op = ConvoyOrder, .from = 50, .to = 51,
               .message = "Warning, can't find start of convoy", .icon = kWarn, .unit51 = kFleet},
    // Landing on a stranger's coast; a convoy link is not tested for adjacency.
    TargetCase{.op = ConvoyOrder, .from = 50, .to = 21,
               .message = "Warning, not allied or at war with owner of area  21",
               .icon = MessageIcon::None, .unit20 = kArmy, .convoyed = true, .owner = 2}),
    Named);
// clang-format on

}  // namespace
}  // namespace qm
