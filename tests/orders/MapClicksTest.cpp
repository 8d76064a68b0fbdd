#include "orders/MapClicks.h"

#include "orders/OrderWorld.h"
#include "orders/TargetOrders.h"

namespace qm {
namespace {

using test::kMe;
using test::Message;
using Action = MapClickAnswer::Action;

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
    static int Option(MapOption option) { return static_cast<int>(option); }
};

TEST_F(MapClicksTest, BuildIsRecordedAtOnce) {
    MapDoubleClick(session, 4, Option(MapOption::BuildArmy));
    EXPECT_EQ(session.interaction.SelectedArea, 4);
    EXPECT_EQ(area(4).Command, "AA");
    EXPECT_EQ(freeSupply(), 2);
    EXPECT_EQ(mapMode(), "");
}

TEST_F(MapClicksTest, EveryOptionReachesItsOperation) {
    const std::pair<MapOption, const char*> options[] = {
        {MapOption::BuildCorps, "AC"},
        {MapOption::Cancel, ""},
        {MapOption::BuildFleet, ""},
    };
    for (auto [option, code] : options) {
        MapDoubleClick(session, 4, Option(option));
        EXPECT_EQ(area(4).Command, code);
    }
    // A fleet needs a coast: the refusal shows the fleet option reached BuildUnit(3).
    EXPECT_EQ(port.messages.back().text, "Must be a coastal area to add a fleet or squadron");

    Unit(4, kCorps);
    MapDoubleClick(session, 4, Option(MapOption::Upgrade));
    EXPECT_EQ(area(4).Command, "UU");
    freeSupply() = -2;
    MapDoubleClick(session, 20, Option(MapOption::Downgrade));
    EXPECT_EQ(area(20).Command, "DU");
    MapDoubleClick(session, 5, Option(MapOption::Remove));
    EXPECT_EQ(area(5).Command, "RU");
}

TEST_F(MapClicksTest, ArmingChecksTheUnitOwner) {
    MapDoubleClick(session, 9, Option(MapOption::Move));
    EXPECT_EQ(port.messages, Messages({{"No unit there owned by you", MessageIcon::Stop}}));
    EXPECT_EQ(mapMode(), "");
    // The next click only scrolls.
    EXPECT_EQ(MapClick(session, 5), (MapClickAnswer{Action::ScrollGrid, 5}));

    port.messages.clear();
    MapDoubleClick(session, 9, Option(MapOption::Convoy));
    EXPECT_EQ(port.messages, Messages({{"No unit in area  9 owned by you", MessageIcon::Stop}}));
    EXPECT_EQ(mapMode(), "");

    for (auto [option, mode] : {std::pair{MapOption::Move, "MO"},
                                {MapOption::SupportAttack, "SA"},
                                {MapOption::SupportDefend, "SD"},
                                {MapOption::Convoy, "CO"}}) {
        mapMode().clear();
        MapDoubleClick(session, 5, Option(option));
        EXPECT_EQ(mapMode(), mode);
        EXPECT_EQ(session.interaction.SelectedArea, 5);
    }
}

TEST_F(MapClicksTest, ArmedMoveIsCompletedByTheNextClick) {
    MapDoubleClick(session, 5, Option(MapOption::Move));
    EXPECT_EQ(MapClick(session, 9), MapClickAnswer{});
    EXPECT_EQ(port.messages, Messages({{"Areas  5 and  9 are not adjacent", MessageIcon::Stop}}));
    EXPECT_EQ(mapMode(), "");

    MapDoubleClick(session, 5, Option(MapOption::Move));
    MapClick(session, 4);
    EXPECT_EQ(area(5).Command, "MO");
    EXPECT_EQ(area(5).Parm1, 4);
    EXPECT_EQ(mapMode(), "");
}

TEST_F(MapClicksTest, ClicksDispatchByMode) {
    Select(5);
    mapMode() = "SA";
    port.answers = {kMe};
    MapClick(session, 4);
    EXPECT_EQ(area(5).Command, "SA");

    mapMode() = "SD";
    MapClick(session, 4);
    EXPECT_EQ(area(5).Command, "SD");

    Select(20);
    mapMode() = "CO";
    MapClick(session, 50);
    EXPECT_EQ(area(20).Command, "CO");

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
}

TEST_F(MapClicksTest, IdleClickScrollsTheGrid) {
    EXPECT_EQ(MapClick(session, 1), (MapClickAnswer{Action::ScrollGrid, 1}));
    EXPECT_EQ(MapClick(session, 267), (MapClickAnswer{Action::ScrollGrid, 267}));
    EXPECT_EQ(MapClick(session, 270), (MapClickAnswer{Action::ScrollGrid, 267}));
    EXPECT_EQ(MapClick(session, 273), (MapClickAnswer{Action::ScrollGrid, 267}));
    EXPECT_EQ(MapClick(session, 0), MapClickAnswer{});
    EXPECT_EQ(MapClick(session, 274), MapClickAnswer{});
}

TEST_F(MapClicksTest, DoubleClickIsIgnoredWhileAModeIsArmed) {
    mapMode() = "SP";
    Select(9);
    MapDoubleClick(session, 4, Option(MapOption::BuildArmy));
    EXPECT_EQ(area(4).Command, "");
    EXPECT_EQ(session.interaction.SelectedArea, 9);
}

TEST_F(MapClicksTest, DoubleClickBesideEveryAreaOnlyDeselects) {
    Select(4);
    for (int option = 0; option < kMapOptionCount; ++option) {
        MapDoubleClick(session, 0, option);
        EXPECT_EQ(mapMode(), "");
    }
    MapDoubleClick(session, 4, 99);  // an option the window does not have
    EXPECT_EQ(session.interaction.SelectedArea, 4);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(area(0).Command, "");
}

}  // namespace
}  // namespace qm
