#include "orders/MapClicks.h"

#include "orders/OrderWorld.h"
#include "orders/TargetOrders.h"

namespace qm {
namespace {

using test::kMe;
using Action = MapClickAnswer::Action;
using Opt = MapOption;

class MapClicksTest : public test::OrderWorld {
protected:
    MapClicksTest() {
        Area(4, kLand, kMe, 2);
        Area(5, kLand);
        Area(9, kLand);
        Area(20, kCoast, kMe, 2);
        Area(50, kWater, 0);
        Link(4, 5);
        Link(20, 50);
        Unit(5, kArmy);
        Unit(20, kArmy);
        Unit(50, kFleet);
        freeSupply() = 4;
    }
    void DoubleClick(int n, MapOption option) {
        MapDoubleClick(session, static_cast<std::int16_t>(n), static_cast<int>(option));
    }
};

TEST_F(MapClicksTest, UnitOrdersAreRecordedAtOnce) {
    DoubleClick(4, Opt::BuildArmy);
    EXPECT_EQ(session.interaction.SelectedArea, 4);
    EXPECT_EQ(area(4).Command, "AA");
    EXPECT_EQ(freeSupply(), 2);

    for (auto [option, code] : {std::pair{Opt::BuildCorps, "AC"}, {Opt::Cancel, ""}}) {
        DoubleClick(4, option);
        EXPECT_EQ(area(4).Command, code);
    }
    // A fleet needs a coast: the refusal shows the option reached BuildUnit(3).
    DoubleClick(4, Opt::BuildFleet);
    ExpectOnly("Must be a coastal area to add a fleet or squadron", MessageIcon::Stop);

    Unit(4, kCorps);
    DoubleClick(4, Opt::Upgrade);
    EXPECT_EQ(area(4).Command, "UU");
    freeSupply() = -2;
    DoubleClick(20, Opt::Downgrade);
    EXPECT_EQ(area(20).Command, "DU");
    DoubleClick(5, Opt::Remove);
    EXPECT_EQ(area(5).Command, "RU");
    EXPECT_EQ(mapMode(), "");
}

TEST_F(MapClicksTest, ArmingChecksTheUnitOwner) {
    DoubleClick(9, Opt::Move);
    ExpectOnly("No unit there owned by you", MessageIcon::Stop);
    EXPECT_EQ(mapMode(), "");
    EXPECT_EQ(MapClick(session, 5), (MapClickAnswer{Action::ScrollGrid, 5}));  // only scrolls

    port.messages.clear();
    DoubleClick(9, Opt::Convoy);
    ExpectOnly("No unit in area  9 owned by you", MessageIcon::Stop);
    EXPECT_EQ(mapMode(), "");

    for (auto [option, mode] : {std::pair{Opt::Move, "MO"},
                                {Opt::SupportAttack, "SA"},
                                {Opt::SupportDefend, "SD"},
                                {Opt::Convoy, "CO"}}) {
        mapMode().clear();
        DoubleClick(5, option);
        EXPECT_EQ(mapMode(), mode);
        EXPECT_EQ(session.interaction.SelectedArea, 5);
    }
}

TEST_F(MapClicksTest, ClicksCompleteTheArmedOrder) {
    DoubleClick(5, Opt::Move);
    EXPECT_EQ(MapClick(session, 9), MapClickAnswer{});
    ExpectOnly("Areas  5 and  9 are not adjacent", MessageIcon::Stop);
    EXPECT_EQ(mapMode(), "");

    port.answers = {kMe};
    for (const char* mode : {"MO", "SA", "SD"}) {
        Arm(5, mode);
        MapClick(session, 4);
        EXPECT_EQ(area(5).Command, mode);
        EXPECT_EQ(area(5).Parm1, 4);
        EXPECT_EQ(mapMode(), "");
    }
    Arm(20, "CO");
    MapClick(session, 50);
    EXPECT_EQ(area(20).Command, "CO");
}

TEST_F(MapClicksTest, DialogModesAndIdleClicks) {
    mapMode() = "SP";
    EXPECT_EQ(MapClick(session, 77), (MapClickAnswer{Action::SpyTargetsChanged, 77}));
    EXPECT_EQ(session.spies.cells[0], " 77");
    EXPECT_EQ(mapMode(), "SP");
    session.spies.cells.fill(" 1");
    EXPECT_EQ(MapClick(session, 78), MapClickAnswer{});  // at the limit: nothing changed
    mapMode() = "GA";
    EXPECT_EQ(MapClick(session, 77), (MapClickAnswer{Action::GrantAccess, 77}));
    EXPECT_EQ(mapMode(), "GA");
    mapMode() = "VC";
    EXPECT_EQ(MapClick(session, 77), MapClickAnswer{});

    // With nothing armed a click scrolls the grid, no further than row 267.
    mapMode() = "";
    for (auto [t, row] : {std::pair{1, 1}, {267, 267}, {270, 267}, {273, 267}, {0, 0}, {274, 0}}) {
        const MapClickAnswer answer = MapClick(session, static_cast<std::int16_t>(t));
        EXPECT_EQ(answer.action, row ? Action::ScrollGrid : Action::Nothing) << t;
        EXPECT_EQ(answer.value, row) << t;
    }
}

TEST_F(MapClicksTest, DoubleClickIgnoredWhileArmedOrBesideEveryArea) {
    Arm(9, "SP");
    DoubleClick(4, Opt::BuildArmy);
    EXPECT_EQ(area(4).Command, "");
    EXPECT_EQ(session.interaction.SelectedArea, 9);

    Arm(4, "");
    for (int option = 0; option < kMapOptionCount; ++option) {
        MapDoubleClick(session, 0, option);
        EXPECT_EQ(mapMode(), "");
    }
    EXPECT_EQ(session.interaction.SelectedArea, 0);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(0).Command, "");
}

}  // namespace
}  // namespace qm
