#include "orders/AreaOrder.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

namespace qm {
namespace {

struct SupplyCase {
    std::int16_t before, delta, after;
};

class AdjustFreeSupplyTest : public test::OrderWorld,
                             public ::testing::WithParamInterface<SupplyCase> {};

TEST_P(AdjustFreeSupplyTest, NegativeBalanceRisesAtMostToZero) {
    freeSupply() = GetParam().before;
    AdjustFreeSupply(session, GetParam().delta);
    EXPECT_EQ(freeSupply(), GetParam().after);
    EXPECT_EQ(port.cell(GridId::Summary, 7, 1), QString::number(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Balances, AdjustFreeSupplyTest,
                         ::testing::Values(SupplyCase{-3, 2, -1}, SupplyCase{-3, 5, 0},
                                           SupplyCase{1, -2, -1}, SupplyCase{0, 5, 5},
                                           SupplyCase{-1, -1, -2}));

struct TakeBackCase {
    const char* old;
    std::int16_t unitType, change;
};

class TakeBackTest : public test::OrderWorld, public ::testing::WithParamInterface<TakeBackCase> {};

TEST_P(TakeBackTest, ReplacingAnOrderTakesBackItsEffect) {
    Area(5, kLand);
    Unit(5, GetParam().unitType);
    Order(5, GetParam().old);
    Select(5);
    freeSupply() = 10;
    EXPECT_TRUE(SetAreaOrder(session, "", 0, 0));
    EXPECT_EQ(freeSupply(), 10 + GetParam().change);
    EXPECT_EQ(area(5).Command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TakeBackTest,
    ::testing::Values(TakeBackCase{"AA", 0, 2}, TakeBackCase{"AF", 0, 2}, TakeBackCase{"AC", 0, 1},
                      TakeBackCase{"AS", 0, 1}, TakeBackCase{"UU", kCorps, 1},
                      TakeBackCase{"DU", kArmy, -1}, TakeBackCase{"RU", kArmy, -2},
                      TakeBackCase{"RU", kFleet, -2}, TakeBackCase{"RU", kCorps, -1},
                      TakeBackCase{"RU", kSquadron, -1}, TakeBackCase{"CO", kArmy, 0}));

class SetAreaOrderTest : public test::OrderWorld {};

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
