#include "orders/MoveRules.h"

#include "orders/CommandList.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using test::Message;

class MoveRulesTest : public test::OrderWorld {
protected:
    Message Invalid(int a, int b) {
        return {QStringLiteral("Invalid move between  %1 and  %2 for unit").arg(a).arg(b),
                MessageIcon::Stop};
    }
    Message OwnerWarning(int b) {
        return {QStringLiteral("Warning, not allied or at war with owner of area  %1").arg(b),
                MessageIcon::Exclamation};
    }
};

TEST_F(MoveRulesTest, AdjacencySearchesOnlyTheFirstList) {
    AddNeighbour(4, 5);
    area(4).Neighbours[14] = 9;
    EXPECT_TRUE(IsAdjacent(game(), 4, 5));
    EXPECT_TRUE(IsAdjacent(game(), 4, 9));
    EXPECT_FALSE(IsAdjacent(game(), 5, 4));
    EXPECT_FALSE(IsAdjacent(game(), 0, 5));
}

TEST_F(MoveRulesTest, UnitSizes) {
    const std::pair<std::int16_t, std::int16_t> sizes[] = {
        {kNoUnit, 0}, {kArmy, 2}, {kCorps, 1}, {kFleet, 2}, {kSquadron, 1}, {7, 0}};
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
    Area(60, c.to);  // owned by the mover, so no owner warning
    Unit(4, c.unit);
    EXPECT_EQ(CheckMove(session, 4, 60), c.legal);
    if (c.legal)
        EXPECT_TRUE(port.messages.empty());
    else
        EXPECT_EQ(port.messages, Messages({Invalid(4, 60)}));
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
                      MoveCase{"fleet_land_to_coast", kFleet, kLand, kCoast, false},
                      MoveCase{"coast_to_coast_without_sea", kFleet, kCoast, kCoast, false},
                      MoveCase{"no_unit_into_water", kNoUnit, kLand, kWater, true}),
    [](const auto& info) { return std::string(info.param.what); });

class CoastToCoast : public MoveRulesTest {
protected:
    CoastToCoast() {
        Area(10, kCoast);
        Area(11, kCoast, 0);  // neutral, neither allied nor at war
        Area(50, kWater, 0);
        Unit(10, kFleet);
    }
    void Fill(int a, int count) {
        for (int i = 0; i < count; ++i)
            AddNeighbour(a, 100 + (a - 10) * 20 + i);  // land areas, never water
    }
};

TEST_F(CoastToCoast, SharedSeaInTheFirstTenIsLegalWithoutOwnerWarning) {
    Fill(10, 9);
    Fill(11, 9);
    AddNeighbour(10, 50);  // slot 10 of both lists
    AddNeighbour(11, 50);
    EXPECT_TRUE(CheckMove(session, 10, 11));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(CoastToCoast, SharedSeaBeyondTheTenthEntryDoesNotCount) {
    Fill(10, 10);
    Fill(11, 2);
    AddNeighbour(10, 50);  // slot 11
    AddNeighbour(11, 50);
    EXPECT_FALSE(CheckMove(session, 10, 11));
    EXPECT_EQ(port.messages, Messages({Invalid(10, 11)}));

    port.messages.clear();
    area(11).Neighbours = {};
    Fill(11, 10);
    AddNeighbour(11, 50);  // now only the target's list has it late
    area(10).Neighbours = {};
    AddNeighbour(10, 50);
    EXPECT_FALSE(CheckMove(session, 10, 11));
}

TEST_F(CoastToCoast, SharedLandDoesNotCount) {
    Area(30, kLand, kMe);
    AddNeighbour(10, 30);
    AddNeighbour(11, 30);
    EXPECT_FALSE(CheckMove(session, 10, 11));
}

TEST_F(MoveRulesTest, OwnerWarningUnlessAlliedAtWarOrDeclared) {
    Area(4, kLand);
    Area(5, kLand, 1);
    Unit(4, kArmy);
    EXPECT_TRUE(CheckMove(session, 4, 5));
    EXPECT_EQ(port.messages, Messages({OwnerWarning(5)}));

    auto quietAfter = [&](auto&& makeKnown) {
        port.messages.clear();
        makeKnown();
        EXPECT_TRUE(CheckMove(session, 4, 5));
        EXPECT_TRUE(port.messages.empty());
    };
    quietAfter([&] {
        game().CommandCount = 2;
        AddCommand(session, "DW", 1, 0, 0, 0);
    });
    game().CommandList[3] = {};
    quietAfter([&] { AddCommand(session, "DA", 1, 0, 0, 0); });
    game().CommandList[3] = {};
    quietAfter([&] { Relation(1, kMe, 'W'); });
    Relation(1, kMe, 'N');
    quietAfter([&] { Allies(1, kMe); });
    Relation(1, kMe, 'N');
    quietAfter([&] { area(5).Owner = kMe; });

    // A one-sided alliance is not enough.
    port.messages.clear();
    area(5).Owner = 1;
    Relation(kMe, 1, 'A');
    EXPECT_TRUE(CheckMove(session, 4, 5));
    EXPECT_EQ(port.messages, Messages({OwnerWarning(5)}));
}

TEST_F(MoveRulesTest, NoOwnerWarningForWater) {
    Area(50, kWater, 0);
    Area(51, kWater, 1);
    Unit(50, kFleet);
    EXPECT_TRUE(CheckMove(session, 50, 51));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(MoveRulesTest, AreasOutsideTheTableAreInvalid) {
    Area(4, kLand);
    Unit(4, kArmy);
    EXPECT_FALSE(CheckMove(session, 4, 0));
    EXPECT_FALSE(CheckMove(session, 4, 274));
    EXPECT_EQ(port.messages, Messages({Invalid(4, 0), Invalid(4, 274)}));
}

class ConvoyStartTest : public MoveRulesTest {
protected:
    // A coastal unit at 20 and a chain of `links` water areas 101, 102, ...
    // each passing on to the next; answers the last water area.
    std::int16_t Chain(std::int16_t unit, int links) {
        Area(20, kCoast);
        Unit(20, unit);
        Order(20, "CO", 101);
        for (int i = 1; i < links; ++i) {
            Area(100 + i, kWater);
            Unit(100 + i, kFleet);
            Order(100 + i, "CO", static_cast<std::int16_t>(101 + i));
        }
        Area(100 + links, kWater);
        Unit(100 + links, kFleet);
        return static_cast<std::int16_t>(100 + links);
    }
};

TEST_F(ConvoyStartTest, FindsTheCarriedUnitsSize) {
    EXPECT_EQ(FindConvoyStart(session, Chain(kArmy, 2)), 2);
    EXPECT_EQ(FindConvoyStart(session, Chain(kCorps, 1)), 1);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(ConvoyStartTest, TenPassesAtMost) {
    // Ten links back to the coast take ten passes: still found.
    EXPECT_EQ(FindConvoyStart(session, Chain(kArmy, 10)), 2);
    EXPECT_TRUE(port.messages.empty());
    // Eleven are too many.
    EXPECT_EQ(FindConvoyStart(session, Chain(kArmy, 11)), 0);
    EXPECT_EQ(port.messages,
              Messages({{"Warning, can't find start of convoy", MessageIcon::Exclamation}}));
}

TEST_F(ConvoyStartTest, NoChainWarns) {
    Area(60, kWater);
    EXPECT_EQ(FindConvoyStart(session, 60), 0);
    EXPECT_EQ(port.messages,
              Messages({{"Warning, can't find start of convoy", MessageIcon::Exclamation}}));
}

TEST_F(ConvoyStartTest, ALoopEndsAfterTenPasses) {
    Area(60, kWater);
    Area(61, kWater);
    Order(60, "CO", 61);
    Order(61, "CO", 60);
    EXPECT_EQ(FindConvoyStart(session, 60), 0);
    EXPECT_EQ(port.messages.size(), 1u);
}

}  // namespace
}  // namespace qm
