#include "orders/TurnCheck.h"

#include "orders/Declarations.h"
#include "orders/OrderWorld.h"
#include "state/TurnRules.h"

namespace qm {
namespace {

using Kind = TurnFinding::Kind;

class TurnCheckTest : public test::OrderWorld {
protected:
    TurnCheckTest() {
        game().TurnYear = 1882, game().TurnOfYear = 2;
        for (int n = 1; n <= 40; ++n)
            Area(n, n >= 20 && n < 30 ? kWater : kCoast), area(n).Name = QStringLiteral("Paris");
    }
    std::vector<std::pair<Kind, int>> Found() {
        std::vector<std::pair<Kind, int>> found;
        for (const TurnFinding& finding : CheckTurn(game()))
            found.emplace_back(finding.kind, finding.area);
        return found;
    }
};

TEST_F(TurnCheckTest, ACleanTurnHasNoFindings) {
    Unit(1, kArmy), Order(1, "MO", 2);
    Unit(3, kArmy), Order(3, "SA", 2);
    Unit(4, kCorps), Order(4, "CO", 20);
    Unit(20, kFleet), Order(20, "CO", 21);
    Unit(21, kSquadron), Order(21, "CO", 5);
    Unit(6, kFleet), Order(6, "SD", 7);
    Unit(7, kCorps, 2);                 // someone else's unit stays and needs no order
    Order(8, "AA"), Order(9, "SD", 8);  // a build counts as a unit to defend
    EXPECT_EQ(Found(), (std::vector<std::pair<Kind, int>>{}));
    game().TurnYear = 1880, game().TurnOfYear = 1;
    game().CommandList[3] = {"VC", {0, 1, 2, 0, 0}}, game().CommandCount = 3;
    EXPECT_TRUE(Found().empty());
}

TEST_F(TurnCheckTest, EveryKindOfFindingOnACraftedTurn) {
    Unit(1, kArmy);                       // no order
    Unit(2, kArmy), Order(2, "MO", 5);    // two into 5 ...
    Unit(3, kCorps), Order(3, "CO", 22);  // ... the convoy lands there too
    Unit(22, kFleet), Order(22, "CO", 5);
    Unit(4, kArmy), Order(4, "SA", 9);      // nobody attacks 9
    Unit(6, kFleet), Order(6, "SD", 2);     // 2 is leaving
    Unit(7, kArmy), Order(7, "SD", 10);     // nobody in 10
    Unit(8, kCorps), Order(8, "CO", 23);    // 23 holds no carrier
    Unit(11, kCorps), Order(11, "CO", 24);  // a chain that runs in a circle
    Unit(24, kFleet), Order(24, "CO", 25), Unit(25, kFleet), Order(25, "CO", 24);
    freeSupply() = -1;
    game().TurnYear = 1880, game().TurnOfYear = 1;
    // clang-format off
    EXPECT_EQ(Found(), (std::vector<std::pair<Kind, int>>{
        {Kind::UnitWithoutOrder, 1}, {Kind::SupportedMoveMissing, 4}, {Kind::SupportedUnitMissing, 6},
        {Kind::SupportedUnitMissing, 7}, {Kind::ConvoyBroken, 8}, {Kind::ConvoyBroken, 11},
        {Kind::TwoUnitsIntoOneArea, 5}, {Kind::NegativeSupply, 0}, {Kind::NoVictoryConditions, 0}}));
    // clang-format on
    const std::vector<TurnFinding> findings = CheckTurn(game());
    EXPECT_EQ(findings[0].text, "Area  1 Paris: army has no order");
    EXPECT_EQ(findings[4].text,
              "Area  8 Paris: the convoy breaks off at area  23 before it reaches land");
    EXPECT_EQ(findings[6].text, "Area  5 Paris: units from areas  2 and  3 are ordered into it");
}

// Turn 1 of 1880 alone is the first turn; the first three turns are 1880's.
struct TurnCase {
    int year, turn;
    bool first, firstThree;
};

class FirstTurnRules : public TurnCheckTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(FirstTurnRules, HoldOnlyAtTheStartOfTheGame) {
    const TurnCase& c = GetParam();
    game().TurnYear = static_cast<std::int16_t>(c.year);
    game().TurnOfYear = static_cast<std::int16_t>(c.turn);
    EXPECT_EQ(WarAllowed(game()), !c.first);
    EXPECT_EQ(IsFirstThreeTurns(game()), c.firstThree);
    const bool askedForProposal =
        Found() == std::vector<std::pair<Kind, int>>{{Kind::NoVictoryConditions, 0}};
    EXPECT_EQ(askedForProposal, c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, FirstTurnRules,
    ::testing::Values(TurnCase{1880, 1, true, true}, TurnCase{1880, 3, false, true},
                      TurnCase{1880, 4, false, false}, TurnCase{1881, 1, false, false},
                      TurnCase{1881, 3, false, false}, TurnCase{1884, 1, false, false}),
    [](const auto& info) {
        return std::to_string(info.param.year) + '_' + std::to_string(info.param.turn);
    });

}  // namespace
}  // namespace qm
