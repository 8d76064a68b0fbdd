#include "orders/MoveRules.h"

#include "orders/CommandList.h"
#include "orders/OrderWorld.h"

#include <functional>

namespace qm {
namespace {

using test::kMe;
using test::Message;

class MoveRulesTest : public test::OrderWorld {
protected:
    static Message Invalid(int a, int b) {
        return {QStringLiteral("Invalid move between  %1 and  %2 for unit").arg(a).arg(b),
                MessageIcon::Stop};
    }
};

TEST_F(MoveRulesTest, AdjacencySearchesOnlyTheFirstListAndUnitSizes) {
    AddNeighbour(4, 5);
    area(4).Neighbours[14] = 9;
    EXPECT_TRUE(IsAdjacent(game(), 4, 5));
    EXPECT_TRUE(IsAdjacent(game(), 4, 9));
    EXPECT_FALSE(IsAdjacent(game(), 5, 4));

    const std::pair<std::int16_t, std::int16_t> sizes[] = {
        {kNoUnit, 0}, {kArmy, 2}, {kCorps, 1}, {kFleet, 2}, {kSquadron, 1}};
    for (auto [type, size] : sizes) {
        Unit(8, type);
        EXPECT_EQ(UnitSize(game(), 8), size) << type;
    }
}

struct MoveCase {
    const char* what;
    std::int16_t unit, from, to;
    bool legal;
};

class CheckMoveTable : public MoveRulesTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(CheckMoveTable, LegalityByUnitAndTerrain) {
    const MoveCase c = GetParam();
    Area(4, c.from);
    Area(60, c.to, c.to == kWater ? 1 : kMe);  // no owner warning: own land, anyone's sea
    Unit(4, c.unit);
    EXPECT_EQ(CheckMove(session, 4, 60), c.legal);
    EXPECT_EQ(port.messages, c.legal ? Messages({}) : Messages({Invalid(4, 60)}));
}

INSTANTIATE_TEST_SUITE_P(
    Terrain, CheckMoveTable,
    ::testing::Values(MoveCase{"army_into_water", kArmy, kLand, kWater, false},
                      MoveCase{"corps_into_water", kCorps, kCoast, kWater, false},
                      MoveCase{"army_into_coast", kArmy, kLand, kCoast, true},
                      MoveCase{"army_into_no_entry", kArmy, kLand, kNoEntry, true},
                      MoveCase{"fleet_into_land", kFleet, kCoast, kLand, false},
                      MoveCase{"squadron_into_water", kSquadron, kCoast, kWater, true},
                      MoveCase{"fleet_water_to_coast", kFleet, kWater, kCoast, true},
                      MoveCase{"fleet_water_to_water", kFleet, kWater, kWater, true},
                      MoveCase{"fleet_land_to_coast", kFleet, kLand, kCoast, false},
                      MoveCase{"coast_to_coast_without_sea", kFleet, kCoast, kCoast, false},
                      MoveCase{"no_unit_into_water", kNoUnit, kLand, kWater, true}),
    [](const auto& info) { return std::string(info.param.what); });

// A fleet at coast 10 moving to neutral coast 11, both touching sea 50 in
// slot `slot10` and `slot11` of their lists (0: only land 30 between them).
struct CoastCase {
    int slot10, slot11;
    bool legal;
};

class CoastToCoast : public MoveRulesTest, public ::testing::WithParamInterface<CoastCase> {};

TEST_P(CoastToCoast, SharedSeaCountsOnlyInTheFirstTen) {
    Area(10, kCoast);
    Area(11, kCoast, 0);  // neither allied nor at war, yet no owner warning
    Area(50, kWater, 0);
    Area(30, kLand);
    Unit(10, kFleet);
    for (auto [a, slot] : {std::pair{10, GetParam().slot10}, {11, GetParam().slot11}}) {
        for (int i = 1; i < slot; ++i) AddNeighbour(a, 30);
        AddNeighbour(a, slot ? 50 : 30);
    }
    EXPECT_EQ(CheckMove(session, 10, 11), GetParam().legal);
    EXPECT_EQ(port.messages, GetParam().legal ? Messages({}) : Messages({Invalid(10, 11)}));
}

INSTANTIATE_TEST_SUITE_P(Slots, CoastToCoast,
                         ::testing::Values(CoastCase{10, 10, true}, CoastCase{11, 3, false},
                                           CoastCase{1, 11, false}, CoastCase{0, 0, false}));

TEST_F(MoveRulesTest, OwnerWarningUnlessAlliedAtWarOrDeclared) {
    const Message warning{"Warning, not allied or at war with owner of area  5",
                          MessageIcon::Exclamation};
    Area(4, kLand);
    Area(5, kLand, 1);
    Unit(4, kArmy);
    EXPECT_TRUE(CheckMove(session, 4, 5));
    EXPECT_EQ(port.messages, Messages({warning}));

    const std::function<void()> known[] = {[&] { AddCommand(session, "DW", 1, 0, 0, 0); },
                                           [&] { AddCommand(session, "DA", 1, 0, 0, 0); },
                                           [&] { Relation(1, kMe, 'W'); }, [&] { Allies(1, kMe); },
                                           [&] { area(5).Owner = kMe; }};
    for (const auto& makeKnown : known) {
        port.messages.clear();
        game().CommandList[3] = {};
        Relation(1, kMe, 'N');
        area(5).Owner = 1;
        makeKnown();
        EXPECT_TRUE(CheckMove(session, 4, 5));
        EXPECT_TRUE(port.messages.empty());
    }

    // A one-sided alliance is not enough.
    port.messages.clear();
    Relation(1, kMe, 'N');
    area(5).Owner = 1;
    EXPECT_TRUE(CheckMove(session, 4, 5));
    EXPECT_EQ(port.messages, Messages({warning}));
}

class ConvoyStartTest : public MoveRulesTest {
protected:
    // A coastal unit at 20 and a chain of `links` water areas 101, 102, ...
    // each passing on to the next; answers the last water area.
    std::int16_t Chain(std::int16_t unit, int links) {
        Area(20, kCoast);
        Unit(20, unit);
        Order(20, "CO", 101);
        for (int i = 1; i <= links; ++i) {
            Area(100 + i, kWater);
            Unit(100 + i, kFleet);
            if (i < links) Order(100 + i, "CO", static_cast<std::int16_t>(101 + i));
        }
        return static_cast<std::int16_t>(100 + links);
    }
    void ExpectNoStartWarning() {
        ExpectOnly("Warning, can't find start of convoy", MessageIcon::Exclamation);
        port.messages.clear();
    }
};

TEST_F(ConvoyStartTest, FindsTheCarriedUnitsSizeWithinTenPasses) {
    EXPECT_EQ(FindConvoyStart(session, Chain(kCorps, 1)), 1);
    EXPECT_EQ(FindConvoyStart(session, Chain(kArmy, 10)), 2);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(FindConvoyStart(session, Chain(kArmy, 11)), 0);
    ExpectNoStartWarning();
    EXPECT_EQ(FindConvoyStart(session, 200), 0);  // nothing convoys there
    ExpectNoStartWarning();
    Order(60, "CO", 61);
    Order(61, "CO", 60);
    EXPECT_EQ(FindConvoyStart(session, 60), 0);  // a loop ends after ten passes
    ExpectNoStartWarning();
}

}  // namespace
}  // namespace qm
