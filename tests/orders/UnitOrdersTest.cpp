#include "orders/UnitOrders.h"

#include "orders/OrderWorld.h"
#include "support/CaseName.h"

namespace qm {
namespace {

using test::kMe;

template <std::int16_t type>
void Build(const OrderContext& context) {
    BuildUnit(context, type);
}
constexpr auto Clear = ClearAreaOrder;

// The selected area 7, by default an own coast with a supply centre of 2.
struct UnitCase {
    void (*op)(const OrderContext&);
    std::int16_t supply, unit;
    const char* result;      // the order recorded, or the refusal shown
    std::int16_t after = 0;  // the balance after a recorded order
    const char* old = "";
    std::int16_t centre = 2, owner = kMe, unitOwner = kMe, terrain = kCoast;
};

class UnitOrdersTest : public test::OrderWorld, public ::testing::WithParamInterface<UnitCase> {
protected:
    void SetUp() override {
        const UnitCase& c = GetParam();
        Area(7, c.terrain, c.owner, c.centre), Unit(7, c.unit, c.unitOwner), Order(7, c.old);
        freeSupply() = c.supply;
        Arm(7, "");
    }
};

using UnitRefusal = UnitOrdersTest;

TEST_P(UnitRefusal, RefusedInTheGivenOrder) {
    ExpectRefused(7, GetParam().result, [&] { GetParam().op(session.orders()); });
}

constexpr const char* kSmallCentre = "Area  7 not proper sized supply centre";
constexpr const char* kNoSupply = "Not enough supply points available to build unit";
constexpr const char* kNoCoast = "Must be a coastal area to add a fleet or squadron";
constexpr const char* kOccupied = "Area  7 already has a unit in it";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, UnitRefusal, ::testing::Values(
    // op, supply, unit, refusal, -, old order, centre, area owner, unit owner, terrain
    // The area's owner is checked before the unit.
    UnitCase{Build<kCorps>, 5, kArmy, "Area  7 not owned by you", 0, "", 2, 0},
    UnitCase{Build<kArmy>, 5, kCorps, kOccupied, 0, "", 2, kMe, 1},
    UnitCase{Build<kFleet>, 5, kNoUnit, kSmallCentre, 0, "", 1},
    UnitCase{Build<kCorps>, 5, kNoUnit, kSmallCentre, 0, "", 0},
    UnitCase{Build<kFleet>, 1, kNoUnit, kNoSupply, 0, "", 2, kMe, kMe, kLand},
    UnitCase{Build<kFleet>, 5, kNoUnit, kNoCoast, 0, "", 2, kMe, kMe, kLand},
    // AC by AA at 1: the balance is checked before the corps' point comes back.
    UnitCase{Build<kArmy>, 1, kNoUnit, kNoSupply, 0, "AC"},
    UnitCase{UpgradeUnit, 0, kArmy, "No supply available to upgrade any units"},
    UnitCase{UpgradeUnit, 2, kArmy, "Can only upgrade a corps or squadron"},
    UnitCase{UpgradeUnit, 2, kCorps, "Area  7 not a supply center", 0, "", 0},
    UnitCase{DowngradeUnit, 0, kFleet, "Not allowed to downgrade any units"},
    UnitCase{DowngradeUnit, -2, kFleet, "No unit there owned by you", 0, "", 2, kMe, 2},
    UnitCase{DowngradeUnit, -2, kCorps, "Can't downgrade corps or squadrons"},
    UnitCase{RemoveUnit, 0, kArmy, "Not allowed to remove any units"}),
    [](const auto& i) { return test::CaseName(i.index, i.param.result); });
// clang-format on

using UnitOrderGiven = UnitOrdersTest;

TEST_P(UnitOrderGiven, RecordsAndSettlesTheSupply) {
    const UnitCase& c = GetParam();
    c.op(session.orders());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(7).Command, c.result);
    EXPECT_EQ(freeSupply(), c.after);
    const QString shown = port.cell(GridId::Summary, 7, 1);  // unset: the balance never moved
    EXPECT_TRUE(shown == QString::number(c.after) || (shown == "<unset>" && c.after == c.supply));
    // Giving the same order again takes back the first one.
    if (c.after < 0 || c.op != RemoveUnit) {
        c.op(session.orders());
        EXPECT_EQ(freeSupply(), c.after);
        EXPECT_EQ(area(7).Command, c.result);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Orders, UnitOrderGiven, ::testing::Values(
    // op, supply, unit, order, supply after, old order, centre, area owner
    UnitCase{Build<kArmy>, 3, kNoUnit, "AA", 1},
    UnitCase{Build<kCorps>, 1, kNoUnit, "AC", 2, "AA"},  // AA by AC at 1 gives 2
    UnitCase{Build<kCorps>, 1, kNoUnit, "AC", 1, "AS", 1},
    // Whoever owns the area, a corps on a supply centre may be upgraded.
    UnitCase{UpgradeUnit, 2, kCorps, "UU", 1, "", 1, 1},
    UnitCase{DowngradeUnit, -2, kArmy, "DU", -1},
    // +1 first (lifted to 0), then the removal's 2 points are taken back.
    UnitCase{DowngradeUnit, -1, kArmy, "DU", -2, "RU"},
    UnitCase{RemoveUnit, -1, kArmy, "RU", 0},  // rises to 0, not 1
    UnitCase{RemoveUnit, -5, kCorps, "RU", -4}, UnitCase{RemoveUnit, -3, kArmy, "RU", -1},
    // Clearing an order takes back its effect on the balance.
    UnitCase{Clear, 0, kNoUnit, "", 2, "AA"}, UnitCase{Clear, 0, kNoUnit, "", 1, "AS"},
    UnitCase{Clear, 0, kCorps, "", 1, "UU"},  UnitCase{Clear, 0, kArmy, "", -1, "DU"},
    UnitCase{Clear, 0, kCorps, "", -1, "RU"}, UnitCase{Clear, 0, kArmy, "", 0, "CO"}),
    [](const auto& i) {
        return test::CaseName(i.index, QString(*i.param.result ? i.param.result : "Clear") +
                                           (*i.param.old ? " over " : "") + i.param.old);
    });
// clang-format on

}  // namespace
}  // namespace qm
