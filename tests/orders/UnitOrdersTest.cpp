#include "orders/UnitOrders.h"

#include "orders/OrderWorld.h"
#include "state/RefreshDisplay.h"

namespace qm {
namespace {

using test::kMe;

template <std::int16_t type>
void Build(Session& s) {
    BuildUnit(s, type);
}
template <std::int16_t owner>
void Owner(AreaRecord& a) {
    a.Owner = owner;
}
template <std::int16_t points>
void Centre(AreaRecord& a) {
    a.Supply = points;
}
template <std::int16_t type>
void Terrain(AreaRecord& a) {
    a.AreaType = type;
}
void AsIs(AreaRecord&) {}

// Area 7: an owned, selected coastal area with a supply centre of 2.
class UnitOrdersTest : public test::OrderWorld {
protected:
    UnitOrdersTest() {
        Area(7, kCoast, kMe, 2);
        Select(7);
    }
};

struct Refusal {
    const char* what;
    void (*op)(Session&);
    std::int16_t supply, unit, unitOwner;
    void (*spoil)(AreaRecord&);
    const char* message;
};

class UnitRefusalTest : public UnitOrdersTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(UnitRefusalTest, RefusedInTheGivenOrderAndNothingChanges) {
    const Refusal& c = GetParam();
    freeSupply() = c.supply;
    Unit(7, c.unit, c.unitOwner);
    c.spoil(area(7));
    const QString order = area(7).Command;
    c.op(session);
    ExpectOnly(c.message, MessageIcon::Stop);
    EXPECT_EQ(area(7).Command, order);
    EXPECT_EQ(freeSupply(), c.supply);
    EXPECT_EQ(port.cell(GridId::Area, 7, kColCommand), "<unset>");
}

constexpr const char* kNotOwned = "Area  7 not owned by you";
constexpr const char* kSmallCentre = "Area  7 not proper sized supply centre";
constexpr const char* kNoSupply = "Not enough supply points available to build unit";
constexpr const char* kNoCoast = "Must be a coastal area to add a fleet or squadron";
constexpr const char* kNotYours = "No unit there owned by you";

INSTANTIATE_TEST_SUITE_P(
    Rules, UnitRefusalTest,
    ::testing::Values(
        Refusal{"not_owned", Build<kArmy>, 5, kNoUnit, 0, Owner<1>, kNotOwned},
        // The area's owner is checked before the unit.
        Refusal{"not_owned_with_unit", Build<kCorps>, 5, kArmy, kMe, Owner<0>, kNotOwned},
        Refusal{"occupied", Build<kArmy>, 5, kCorps, 1, AsIs, "Area  7 already has a unit in it"},
        Refusal{"small_centre_army", Build<kArmy>, 5, kNoUnit, 0, Centre<1>, kSmallCentre},
        Refusal{"small_centre_fleet", Build<kFleet>, 5, kNoUnit, 0, Centre<1>, kSmallCentre},
        Refusal{"no_centre_corps", Build<kCorps>, 5, kNoUnit, 0, Centre<0>, kSmallCentre},
        Refusal{"supply_before_coast", Build<kFleet>, 1, kNoUnit, 0, Terrain<kLand>, kNoSupply},
        Refusal{"fleet_on_land", Build<kFleet>, 5, kNoUnit, 0, Terrain<kLand>, kNoCoast},
        Refusal{"squadron_on_water", Build<kSquadron>, 5, kNoUnit, 0, Terrain<kWater>, kNoCoast},
        // AC by AA at 1: the balance is checked before the corps' point comes back.
        Refusal{"corps_by_army", Build<kArmy>, 1, kNoUnit, 0,
                [](AreaRecord& a) { a.Command = "AC"; }, kNoSupply},
        Refusal{"upgrade_without_supply", UpgradeUnit, 0, kArmy, kMe, AsIs,
                "No supply available to upgrade any units"},
        Refusal{"upgrade_an_army", UpgradeUnit, 2, kArmy, kMe, AsIs,
                "Can only upgrade a corps or squadron"},
        Refusal{"upgrade_anothers", UpgradeUnit, 2, kArmy, 1, AsIs, kNotYours},
        Refusal{"upgrade_off_centre", UpgradeUnit, 2, kCorps, kMe, Centre<0>,
                "Area  7 not a supply center"},
        Refusal{"downgrade_without_debt", DowngradeUnit, 0, kFleet, kMe, AsIs,
                "Not allowed to downgrade any units"},
        Refusal{"downgrade_anothers", DowngradeUnit, -2, kFleet, 2, AsIs, kNotYours},
        Refusal{"downgrade_a_corps", DowngradeUnit, -2, kCorps, kMe, AsIs,
                "Can't downgrade corps or squadrons"},
        Refusal{"remove_without_debt", RemoveUnit, 0, kArmy, kMe, AsIs,
                "Not allowed to remove any units"},
        Refusal{"remove_anothers", RemoveUnit, -1, kArmy, 0, AsIs, kNotYours}),
    [](const auto& info) { return std::string(info.param.what); });

struct Given {
    const char* what;
    void (*op)(Session&);
    std::int16_t unit, centre, areaOwner;
    const char* old;
    std::int16_t before, after;
    const char* code;
};

class UnitOrderGiven : public UnitOrdersTest, public ::testing::WithParamInterface<Given> {};

TEST_P(UnitOrderGiven, RecordsAndSettlesTheSupply) {
    const Given& c = GetParam();
    Unit(7, c.unit);
    Area(7, kCoast, c.areaOwner, c.centre);
    Order(7, c.old);
    freeSupply() = c.before;
    c.op(session);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(7).Command, c.code);
    EXPECT_EQ(freeSupply(), c.after);
    EXPECT_EQ(port.cell(GridId::Area, 7, kColCommand), c.code);
    EXPECT_EQ(port.cell(GridId::Summary, 7, 1), QString::number(c.after));

    // Giving the same order again takes back the first one.
    if (c.after < 0 || c.op != RemoveUnit) {
        c.op(session);
        EXPECT_EQ(freeSupply(), c.after);
        EXPECT_EQ(area(7).Command, c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, UnitOrderGiven,
    ::testing::Values(
        Given{"army", Build<kArmy>, kNoUnit, 2, kMe, "", 3, 1, "AA"},
        Given{"army_by_corps", Build<kCorps>, kNoUnit, 2, kMe, "AA", 1, 2, "AC"},
        Given{"squadron_small_centre", Build<kSquadron>, kNoUnit, 1, kMe, "", 2, 1, "AS"},
        Given{"corps_small_centre", Build<kCorps>, kNoUnit, 1, kMe, "AS", 1, 1, "AC"},
        // Whoever owns the area, a corps on a supply centre may be upgraded.
        Given{"upgrade", UpgradeUnit, kCorps, 1, 1, "", 2, 1, "UU"},
        Given{"downgrade", DowngradeUnit, kArmy, 2, kMe, "", -2, -1, "DU"},
        // +1 first (lifted to 0), then the removal's 2 points are taken back.
        Given{"downgrade_a_removal", DowngradeUnit, kArmy, 2, kMe, "RU", -1, -2, "DU"},
        Given{"remove_army", RemoveUnit, kArmy, 2, kMe, "", -1, 0, "RU"},  // rises to 0, not 1
        Given{"remove_corps", RemoveUnit, kCorps, 2, kMe, "", -5, -4, "RU"},
        Given{"remove_squadron", RemoveUnit, kSquadron, 2, kMe, "", -5, -4, "RU"},
        Given{"cancel_upgrade", ClearAreaOrder, kCorps, 2, kMe, "UU", 0, 1, ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(UnitOrdersTest, NothingToClearOrNoAreaSelectedDoesNothing) {
    freeSupply() = -3;
    ClearAreaOrder(session);
    Select(0);
    for (auto op : {DowngradeUnit, RemoveUnit, UpgradeUnit, ClearAreaOrder, Build<kArmy>})
        op(session);
    BuildUnit(session, 5);
    EXPECT_EQ(freeSupply(), -3);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(port.cells.empty());
}

}  // namespace
}  // namespace qm
