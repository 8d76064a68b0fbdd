#include "orders/MapClicks.h"
#include "orders/MapStatus.h"

#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using Action = MapClickAnswer::Action;

// Own land 4 (centre 2) beside own army 5; land 9 holds a build order; own coasts
// 20 (army) beside water 50 (fleet), and 21 (centre 1, empty).
class MapClicksTest : public test::OrderWorld {
protected:
    MapClicksTest() {
        Area(4, kLand, kMe, 2), Area(5, kLand), Area(9, kLand);
        Area(20, kCoast, kMe, 2), Area(21, kCoast, kMe, 1), Area(50, kWater, 0);
        Link(4, 5), Link(20, 50);
        Unit(5, kArmy), Unit(20, kArmy), Unit(50, kFleet);
        Order(9, "AA");
        freeSupply() = 4;
    }
};

// Each option reaches its own rule: the order, the armed mode or the rule's refusal.
TEST_F(MapClicksTest, DoubleClickSelectsAndGivesOrArmsTheOrder) {
    // clang-format off
    const std::tuple<QLatin1String, std::int16_t, const char*, const char*, const char*> cases[] = {
        // option, area, its order afterwards, map mode, stop message
        {kMove, 5, "", "MO", nullptr},          {kSupportAttack, 5, "", "SA", nullptr},
        {kSupportDefend, 5, "", "SD", nullptr}, {kConvoy, 5, "", "CO", nullptr},
        {kMove, 9, "AA", "", "No unit there owned by you"},
        {kConvoy, 9, "AA", "", "No unit in area  9 owned by you"},
        {kDowngrade, 5, "", "", "Not allowed to downgrade any units"},
        {kRemove, 5, "", "", "Not allowed to remove any units"},
        {kBuildArmy, 4, "AA", "", nullptr},     {kBuildCorps, 4, "AC", "", nullptr},
        {kBuildFleet, 21, "", "", "Area  21 not proper sized supply centre"},
        {kBuildSquadron, 21, "AS", "", nullptr}, {kCancelOption, 9, "", "", nullptr},
        {kUpgrade, 20, "", "", "Can only upgrade a corps or squadron"}};
    // clang-format on
    for (auto [option, at, command, mode, message] : cases) {
        mapMode() = "";
        port.messages.clear();
        MapDoubleClick(session.orders(), at, option);
        EXPECT_EQ(session.interaction.SelectedArea, at);
        EXPECT_EQ(area(at).Command, command) << option.data();
        EXPECT_EQ(mapMode(), mode) << option.data();
        EXPECT_EQ(port.messages, message ? Messages({{message, MessageIcon::Stop}}) : Messages({}))
            << option.data();
    }

    // Ignored while anything is armed.
    Arm(9, "SP");
    MapDoubleClick(session.orders(), 4, kCancelOption);
    EXPECT_EQ(area(4).Command, "AC");
    EXPECT_EQ(session.interaction.SelectedArea, 9);
}

TEST_F(MapClicksTest, ClickCompletesTheArmedOrderOrScrolls) {
    port.answers = {kMe};
    // clang-format off
    const std::tuple<const char*, int, std::int16_t, MapClickAnswer> cases[] = {
        // mode, area that gives the order (0: none), click, answer
        {"MO", 5, 4, {}}, {"SA", 5, 4, {}}, {"SD", 5, 4, {}}, {"CO", 20, 50, {}},
        {"SP", 0, 77, {Action::SpyTargetsChanged, 77}}, {"GA", 0, 77, {Action::GrantAccess, 77}},
        {"VC", 0, 77, {}}, {"", 0, 1, {Action::ScrollGrid, 1}},
        {"", 0, 267, {Action::ScrollGrid, 267}}, {"", 0, 268, {Action::ScrollGrid, 267}},
        {"", 0, 0, {}}, {"", 0, 274, {}}};  // the grid never passes its last page
    // clang-format on
    for (auto [mode, from, t, answer] : cases) {
        Arm(from, mode);
        EXPECT_EQ(MapClick(session.orders(), session.spies, t), answer) << mode << t;
        EXPECT_EQ(mapMode(), from ? "" : mode);
        EXPECT_TRUE(!from || (area(from).Command == mode && area(from).Parm1 == t)) << mode;
    }
    EXPECT_EQ(session.spies.cells[0], " 77");
}

// The status line: what the armed order waits for, then the area under the pointer.
TEST_F(MapClicksTest, StatusLineTellsTheWaitingOrderAndTheAreaUnderThePointer) {
    area(5).Name = "Loromark", area(4).Name = "Ardmoor", area(4).HomeFlag = -1;
    area(6).Owner = kUnseenOwner;
    game().player(kMe).PlayerName = "Veskaran", game().player(2).PlayerName = "Tarsia";
    Unit(4, kCorps, 2), Order(5, "SA", 4, 2);
    auto status = [&](int at) {
        return MapStatusText(game(), session.interaction, at, session.map.lastSeen);
    };
    const QString four = "4 Ardmoor: land, supply 2, home; owner Veskaran (you); corps of Tarsia";
    EXPECT_EQ(status(4), four);
    EXPECT_EQ(status(5),
              "5 Loromark: land; owner Veskaran (you); army of Veskaran (you); "
              "order SA to 4 Ardmoor for Tarsia");
    EXPECT_EQ(status(6), "6: no-entry; owner not seen");
    EXPECT_EQ(status(0), "");

    Arm(5, "MO");
    const QString move = "MO from 5 Loromark: click the target area, Esc cancels";
    EXPECT_EQ(status(0), move);
    EXPECT_EQ(status(4), move + "  |  " + four);
    EXPECT_TRUE(CancelPendingOrder(session.interaction));
    EXPECT_EQ(mapMode(), "");
    // Dialog modes end with their windows, not with Escape.
    Arm(0, "SP");
    EXPECT_FALSE(CancelPendingOrder(session.interaction));
    EXPECT_EQ(status(0), "Spy: click an area to spy on; close the Spy window to stop");
}

}  // namespace
}  // namespace qm
