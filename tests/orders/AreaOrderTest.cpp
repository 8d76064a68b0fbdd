#include "orders/AreaOrder.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

namespace qm {
namespace {

class SetAreaOrderTest : public test::OrderWorld {};

TEST_F(SetAreaOrderTest, NegativeBalanceRisesAtMostToZero) {
    for (auto [before, delta, after] :
         {std::tuple{-3, 2, -1}, {-3, 5, 0}, {1, -2, -1}, {0, 5, 5}, {-1, -1, -2}}) {
        freeSupply() = static_cast<std::int16_t>(before);
        AdjustFreeSupply(session, static_cast<std::int16_t>(delta));
        EXPECT_EQ(freeSupply(), after) << before << " + " << delta;
        EXPECT_EQ(port.cell(GridId::Summary, 7, 1), QString::number(after));
    }
}

TEST_F(SetAreaOrderTest, ReplacingAnOrderTakesBackItsEffect) {
    const std::tuple<const char*, std::int16_t, int> cases[] = {
        {"AA", kNoUnit, 2}, {"AF", kNoUnit, 2},    {"AC", kNoUnit, 1}, {"AS", kNoUnit, 1},
        {"UU", kCorps, 1},  {"DU", kArmy, -1},     {"RU", kArmy, -2},  {"RU", kFleet, -2},
        {"RU", kCorps, -1}, {"RU", kSquadron, -1}, {"CO", kArmy, 0}};
    Area(5, kLand);
    for (auto [old, unit, change] : cases) {
        Unit(5, unit);
        Order(5, old);
        Select(5);
        freeSupply() = 10;
        EXPECT_TRUE(SetAreaOrder(session, "", 0, 0));
        EXPECT_EQ(freeSupply(), 10 + change) << old << " " << unit;
        EXPECT_EQ(area(5).Command, "");
    }
}

TEST_F(SetAreaOrderTest, RecordsShowsInTheGridAndEndsTheMapMode) {
    Area(5, kLand);
    Area(12, kLand);
    Unit(5, kArmy);
    Order(5, "AA");  // the refund also comes with an order that is checked first
    Arm(5, "SA");
    ASSERT_TRUE(SetAreaOrder(session, "SA", 12, 4));
    EXPECT_EQ(freeSupply(), 2);
    EXPECT_EQ(area(5).Command, "SA");
    EXPECT_EQ(area(5).Parm1, 12);
    EXPECT_EQ(area(5).Parm2, 4);
    EXPECT_EQ(port.cell(GridId::Area, 5, kColCommand), "SA");
    EXPECT_EQ(port.cell(GridId::Area, 5, kColParm1), "12");
    EXPECT_EQ(port.cell(GridId::Area, 5, kColParm2), "4");
    EXPECT_EQ(mapMode(), "");

    // Parameters below 1 blank their cells.
    ASSERT_TRUE(SetAreaOrder(session, "RU", 0, 0));
    EXPECT_EQ(port.cell(GridId::Area, 5, kColParm1), "");
    EXPECT_EQ(port.cell(GridId::Area, 5, kColParm2), "");
}

TEST_F(SetAreaOrderTest, RefusedMoveOrNoSelectionKeepsTheOldOrder) {
    Area(4, kLand);
    Area(60, kWater);
    Unit(4, kArmy);
    Order(4, "AA");  // not sensible with a unit there, but it carries a refund
    freeSupply() = 1;
    Arm(4, "MO");
    EXPECT_FALSE(SetAreaOrder(session, "MO", 60, 0));
    EXPECT_EQ(area(4).Command, "AA");
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_EQ(mapMode(), "");
    EXPECT_EQ(port.cell(GridId::Area, 4, kColCommand), "<unset>");
    EXPECT_EQ(port.messages.size(), 1u);

    Arm(0, "MO");
    EXPECT_FALSE(SetAreaOrder(session, "AA", 0, 0));
    EXPECT_EQ(area(0).Command, "");
    EXPECT_EQ(mapMode(), "");
}

}  // namespace
}  // namespace qm
