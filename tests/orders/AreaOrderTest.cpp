#include "orders/AreaOrder.h"

#include "orders/OrderWorld.h"

namespace qm {
namespace {

class SetAreaOrderTest : public test::OrderWorld {
protected:
    SetAreaOrderTest() { Area(5, kLand), Area(12, kLand), Area(60, kWater); }
};

TEST_F(SetAreaOrderTest, NegativeBalanceRisesAtMostToZero) {
    for (auto [before, delta, after] :
         {std::tuple{-3, 2, -1}, {-3, 5, 0}, {1, -2, -1}, {0, 5, 5}}) {
        freeSupply() = static_cast<std::int16_t>(before);
        AdjustFreeSupply(session.game, session.port, static_cast<std::int16_t>(delta));
        EXPECT_EQ(freeSupply(), after) << before << " + " << delta;
        EXPECT_EQ(port.cell(GridId::Summary, 7, 1), QString::number(after));
    }
}

TEST_F(SetAreaOrderTest, RecordsShowsInTheGridAndEndsTheMapMode) {
    Unit(5, kArmy), Order(5, "AA");  // the refund also comes with an order that is checked first
    Arm(5, "SA");
    ASSERT_TRUE(SetAreaOrder(session.orders(), "SA", 12, 4));
    EXPECT_EQ(freeSupply(), 2);
    for (auto [column, text] : {std::pair{kColCommand, "SA"}, {kColParm1, "12"}, {kColParm2, "4"}})
        EXPECT_EQ(port.cell(GridId::Area, 5, column), text);
    EXPECT_EQ(mapMode(), "");
    // Parameters below 1 blank their cells.
    ASSERT_TRUE(SetAreaOrder(session.orders(), "RU", 0, 0));
    for (int column : {kColParm1, kColParm2}) EXPECT_EQ(port.cell(GridId::Area, 5, column), "");
    // An order that the report no longer backs (restored onto an area the player does
    // not hold) was never charged, so taking it back gives nothing (seed 7, step 21577).
    area(12).Owner = 12, area(12).Command = "AA", freeSupply() = 3, Arm(12, "MO");
    ASSERT_TRUE(SetAreaOrder(session.orders(), "", 0, 0));
    EXPECT_EQ(freeSupply(), 3);
}

TEST_F(SetAreaOrderTest, RefusedMoveKeepsTheOldOrderAndItsRefund) {
    Unit(5, kArmy), Link(5, 60);
    Order(5, "AA");  // not sensible with a unit there, but it carries a refund
    freeSupply() = 1, Arm(5, "MO");
    ExpectRefused(5, "Invalid move between  5 and  60 for unit",
                  [&] { EXPECT_FALSE(SetAreaOrder(session.orders(), "MO", 60, 0)); });
}

}  // namespace
}  // namespace qm
