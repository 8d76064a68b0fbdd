#include "orders/MoveRules.h"

#include "orders/CommandList.h"
#include "orders/OrderWorld.h"

namespace qm {
namespace {

using test::kMe;
using test::Message;

class MoveRulesTest : public test::OrderWorld {
protected:
    void ExpectMove(bool legal, std::int16_t a, std::int16_t b) {
        EXPECT_EQ(CheckMove(session.game, session.port, a, b), legal);
        const QString invalid =
            QStringLiteral("Invalid move between  %1 and  %2 for unit").arg(a).arg(b);
        EXPECT_EQ(port.messages, legal ? Messages({}) : Messages({{invalid, MessageIcon::Stop}}));
        port.messages.clear();
    }
};

TEST_F(MoveRulesTest, LegalityByUnitAndTerrain) {
    // clang-format off
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, bool> cases[] = {
        // unit, from, to, legal
        {kArmy, kLand, kWater, false},    {kArmy, kLand, kCoast, true},
        {kArmy, kLand, kNoEntry, true},   {kFleet, kCoast, kLand, false},
        {kSquadron, kCoast, kWater, true}, {kFleet, kWater, kCoast, true},
        {kFleet, kLand, kCoast, false},   {kFleet, kCoast, kCoast, false}};  // no shared sea
    // clang-format on
    for (auto [unit, from, to, legal] : cases) {
        Area(4, from);
        Area(60, to, to == kWater ? 1 : kMe);  // no owner warning: own land, anyone's sea
        Unit(4, unit);
        SCOPED_TRACE(testing::Message() << unit << " " << from << " " << to);
        ExpectMove(legal, 4, 60);
    }
}

// A fleet at coast 10 moves to neutral coast 11 (yet no owner warning); both touch
// sea 50 in the given slot of their lists (0: only land 30 between them).
TEST_F(MoveRulesTest, CoastToCoastSharedSeaCountsOnlyInTheFirstTen) {
    Area(10, kCoast), Area(11, kCoast, 0), Area(50, kWater, 0), Area(30, kLand);
    Unit(10, kFleet);
    for (auto [slot10, slot11, legal] :
         {std::tuple{10, 10, true}, {1, 1, true}, {11, 3, false}, {1, 11, false}, {0, 0, false}}) {
        for (auto [a, slot] : {std::pair{10, slot10}, {11, slot11}}) {
            area(a).Neighbours = {};
            for (int i = 1; i < slot; ++i) AddNeighbour(a, 30);
            AddNeighbour(a, slot ? 50 : 30);
        }
        SCOPED_TRACE(testing::Message() << slot10 << " " << slot11);
        ExpectMove(legal, 10, 11);
    }
}

TEST_F(MoveRulesTest, OwnerWarningUnlessAlliedAtWarOrDeclared) {
    Area(4, kLand), Area(5, kLand, 1), Unit(4, kArmy);
    const auto expectWarning = [&](bool warned) {
        EXPECT_TRUE(CheckMove(session.game, session.port, 4, 5));
        const Message warning{"Warning, not allied or at war with owner of area  5",
                              MessageIcon::Exclamation};
        EXPECT_EQ(port.messages, warned ? Messages({warning}) : Messages({}));
        port.messages.clear();
    };
    expectWarning(true);
    Relation(kMe, 1, 'A');  // a one-sided alliance is not enough
    expectWarning(true);
    Relation(1, kMe, 'A');
    expectWarning(false);
    Relation(1, kMe, 'W');  // war from either side
    expectWarning(false);
    Relation(1, kMe, 'N');
    AddCommand(session.game, session.port, "DW", 1, 0, 0, 0);  // declared this turn
    expectWarning(false);
}

// A coastal unit at 20 and a chain of `links` water areas 101, 102, ... each
// passing on to the next; answers the last water area.
TEST_F(MoveRulesTest, ConvoyStartFindsTheCarriedUnitsSizeWithinTenPasses) {
    const auto chain = [&](std::int16_t unit, int links) {
        Area(20, kCoast), Unit(20, unit), Order(20, "CO", 101);
        for (int i = 1; i <= links; ++i) {
            Unit(100 + i, kFleet);
            if (i < links) Order(100 + i, "CO", static_cast<std::int16_t>(101 + i));
        }
        return static_cast<std::int16_t>(100 + links);
    };
    EXPECT_EQ(FindConvoyStart(session.game, session.port, chain(kCorps, 1)), 1);
    EXPECT_EQ(FindConvoyStart(session.game, session.port, chain(kArmy, 10)), 2);
    EXPECT_TRUE(port.messages.empty());
    Order(60, "CO", 61), Order(61, "CO", 60);
    // Past ten passes, nothing convoying there, and a loop (ended after ten passes).
    for (std::int16_t last : {chain(kArmy, 11), std::int16_t{200}, std::int16_t{60}}) {
        port.messages.clear();
        EXPECT_EQ(FindConvoyStart(session.game, session.port, last), 0) << last;
        ExpectOnly("Warning, can't find start of convoy", MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace qm
