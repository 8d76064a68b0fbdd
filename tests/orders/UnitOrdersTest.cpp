#include "orders/UnitOrders.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

#include <functional>

namespace qm {
namespace {

using test::kMe;
using test::Message;

class UnitOrdersTest : public test::OrderWorld {
protected:
    // Area 7: an owned, empty coastal area with a supply centre of 2.
    UnitOrdersTest() {
        Area(7, kCoast, kMe, 2);
        Select(7);
    }

    void ExpectRefused(const QString& text, const QString& order, std::int16_t supply) {
        EXPECT_EQ(port.messages, Messages({{text, MessageIcon::Stop}}));
        EXPECT_EQ(area(7).Command, order);
        EXPECT_EQ(freeSupply(), supply);
        EXPECT_EQ(port.cell(GridId::Area, 7, kColCommand), "<unset>");
    }
};

TEST_F(UnitOrdersTest, BuildsAnArmyOnce) {
    freeSupply() = 3;
    BuildUnit(session, kArmy);
    EXPECT_EQ(area(7).Command, "AA");
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_EQ(port.cell(GridId::Area, 7, kColCommand), "AA");
    EXPECT_EQ(port.cell(GridId::Summary, 7, 1), "1");
    BuildUnit(session, kArmy);
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(UnitOrdersTest, ReplacingACorpsByAnArmyChecksTheBalanceBeforeTheRefund) {
    Order(7, "AC");
    freeSupply() = 1;
    BuildUnit(session, kArmy);
    ExpectRefused("Not enough supply points available to build unit", "AC", 1);
}

TEST_F(UnitOrdersTest, ReplacingAnArmyByACorpsRefundsFirst) {
    Order(7, "AA");
    freeSupply() = 1;
    BuildUnit(session, kCorps);
    EXPECT_EQ(area(7).Command, "AC");
    EXPECT_EQ(freeSupply(), 2);
}

struct BuildRefusal {
    const char* what;
    std::int16_t unitType;
    std::function<void(GameState&, AreaRecord&)> spoil;
    const char* message;
};

class BuildRefusalTest : public UnitOrdersTest,
                         public ::testing::WithParamInterface<BuildRefusal> {};

TEST_P(BuildRefusalTest, RefusedInTheGivenOrder) {
    freeSupply() = 5;
    GetParam().spoil(game(), area(7));
    const std::int16_t supply = freeSupply();
    BuildUnit(session, GetParam().unitType);
    ExpectRefused(GetParam().message, "", supply);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BuildRefusalTest,
    ::testing::Values(
        BuildRefusal{"not_owned", kArmy, [](auto&, AreaRecord& a) { a.Owner = 1; },
                     "Area  7 not owned by you"},
        // The owner is checked before the unit.
        BuildRefusal{"not_owned_with_unit", kCorps,
                     [](auto&, AreaRecord& a) {
                         a.Owner = 0;
                         a.UnitType = kArmy;
                     },
                     "Area  7 not owned by you"},
        BuildRefusal{"occupied", kArmy,
                     [](auto&, AreaRecord& a) {
                         a.UnitType = kCorps;
                         a.UnitOwner = 1;
                     },
                     "Area  7 already has a unit in it"},
        BuildRefusal{"small_centre_army", kArmy, [](auto&, AreaRecord& a) { a.Supply = 1; },
                     "Area  7 not proper sized supply centre"},
        BuildRefusal{"small_centre_fleet", kFleet, [](auto&, AreaRecord& a) { a.Supply = 1; },
                     "Area  7 not proper sized supply centre"},
        BuildRefusal{"no_centre_corps", kCorps, [](auto&, AreaRecord& a) { a.Supply = 0; },
                     "Area  7 not proper sized supply centre"},
        BuildRefusal{"supply_before_coast", kFleet,
                     [](GameState& g, AreaRecord& a) {
                         a.AreaType = kLand;
                         g.totals.FreeSupply = 1;
                     },
                     "Not enough supply points available to build unit"},
        BuildRefusal{"fleet_on_land", kFleet, [](auto&, AreaRecord& a) { a.AreaType = kLand; },
                     "Must be a coastal area to add a fleet or squadron"},
        BuildRefusal{"squadron_on_water", kSquadron,
                     [](auto&, AreaRecord& a) { a.AreaType = kWater; },
                     "Must be a coastal area to add a fleet or squadron"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(UnitOrdersTest, SmallCentreTakesACorpsOrSquadron) {
    area(7).Supply = 1;
    freeSupply() = 2;
    BuildUnit(session, kSquadron);
    EXPECT_EQ(area(7).Command, "AS");
    EXPECT_EQ(freeSupply(), 1);
    BuildUnit(session, kCorps);
    EXPECT_EQ(area(7).Command, "AC");
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(UnitOrdersTest, AreaNumberHasItsSignPlace) {
    Area(123, kLand, 1, 2);
    Select(123);
    BuildUnit(session, kArmy);
    EXPECT_EQ(port.messages, Messages({{"Area  123 not owned by you", MessageIcon::Stop}}));
}

TEST_F(UnitOrdersTest, UpgradeRules) {
    Unit(7, kArmy);
    freeSupply() = 0;
    UpgradeUnit(session);
    ExpectRefused("No supply available to upgrade any units", "", 0);

    port.messages.clear();
    freeSupply() = 2;
    UpgradeUnit(session);
    ExpectRefused("Can only upgrade a corps or squadron", "", 2);

    port.messages.clear();
    area(7).UnitOwner = 1;
    UpgradeUnit(session);
    ExpectRefused("No unit there owned by you", "", 2);

    port.messages.clear();
    Unit(7, kCorps);
    area(7).Supply = 0;
    UpgradeUnit(session);
    ExpectRefused("Area  7 not a supply center", "", 2);

    // Whoever owns the area, a corps on a supply centre may be upgraded.
    port.messages.clear();
    area(7).Supply = 1;
    area(7).Owner = 1;
    UpgradeUnit(session);
    EXPECT_EQ(area(7).Command, "UU");
    EXPECT_EQ(freeSupply(), 1);
    UpgradeUnit(session);
    EXPECT_EQ(freeSupply(), 1);
}

TEST_F(UnitOrdersTest, DowngradeRules) {
    Unit(7, kFleet);
    freeSupply() = 0;
    DowngradeUnit(session);
    ExpectRefused("Not allowed to downgrade any units", "", 0);

    port.messages.clear();
    freeSupply() = -2;
    area(7).UnitOwner = 2;
    DowngradeUnit(session);
    ExpectRefused("No unit there owned by you", "", -2);

    port.messages.clear();
    Unit(7, kCorps);
    DowngradeUnit(session);
    ExpectRefused("Can't downgrade corps or squadrons", "", -2);

    port.messages.clear();
    Unit(7, kArmy);
    DowngradeUnit(session);
    EXPECT_EQ(area(7).Command, "DU");
    EXPECT_EQ(freeSupply(), -1);
    DowngradeUnit(session);
    EXPECT_EQ(freeSupply(), -1);
}

TEST_F(UnitOrdersTest, DowngradeCreditsBeforeTheOldOrderIsTakenBack) {
    Unit(7, kArmy);
    Order(7, "RU");
    freeSupply() = -1;
    // +1 first (lifted to 0), then the removal's 2 points are taken back.
    DowngradeUnit(session);
    EXPECT_EQ(freeSupply(), -2);
}

TEST_F(UnitOrdersTest, RemoveRules) {
    Unit(7, kArmy);
    freeSupply() = 0;
    RemoveUnit(session);
    ExpectRefused("Not allowed to remove any units", "", 0);

    port.messages.clear();
    freeSupply() = -1;
    area(7).UnitOwner = 0;
    RemoveUnit(session);
    ExpectRefused("No unit there owned by you", "", -1);

    port.messages.clear();
    area(7).UnitOwner = kMe;
    RemoveUnit(session);
    EXPECT_EQ(area(7).Command, "RU");
    EXPECT_EQ(freeSupply(), 0);  // not 1: a negative balance rises at most to 0
}

TEST_F(UnitOrdersTest, RemovingACorpsOrSquadronGainsOne) {
    for (std::int16_t type : {kCorps, kSquadron}) {
        Unit(7, type);
        Order(7, "");
        freeSupply() = -5;
        RemoveUnit(session);
        EXPECT_EQ(freeSupply(), -4) << type;
    }
}

TEST_F(UnitOrdersTest, CancelGivesBackAndBlanksTheCell) {
    Unit(7, kCorps);
    Order(7, "UU");
    freeSupply() = 0;
    ClearAreaOrder(session);
    EXPECT_EQ(area(7).Command, "");
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_EQ(port.cell(GridId::Area, 7, kColCommand), "");

    port.cells.clear();
    ClearAreaOrder(session);  // nothing to clear: nothing happens
    EXPECT_EQ(freeSupply(), 1);
    EXPECT_TRUE(port.cells.empty());
}

TEST_F(UnitOrdersTest, NoAreaSelectedDoesNothing) {
    Select(0);
    freeSupply() = -3;
    for (auto op : {DowngradeUnit, RemoveUnit, UpgradeUnit, ClearAreaOrder}) op(session);
    BuildUnit(session, kArmy);
    BuildUnit(session, 5);
    EXPECT_EQ(freeSupply(), -3);
    EXPECT_TRUE(port.messages.empty());
}

}  // namespace
}  // namespace qm
