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

// Player 2's plan beside my orders; the world's areas 20..29 are water.
class AllyCheckTest : public TurnCheckTest {
protected:
    void Plan(int n, const char* code, int p1, int p2 = 0) {
        plan.orders[static_cast<std::size_t>(n)] = {
            QLatin1String(code), static_cast<std::int16_t>(p1), static_cast<std::int16_t>(p2)};
    }
    std::vector<TurnFinding> Check() {
        ShowAllyPlan(game().Allies, plan);
        return CheckTurn(game());
    }
    AllyPlan plan{2, QStringLiteral("P2")};
};

TEST_F(AllyCheckTest, OrdersThatMeetTheAllysPlanHaveNoFindings) {
    Unit(1, kArmy), Order(1, "SA", 2, 2), Unit(3, kArmy, 2), Plan(3, "MO", 2);
    Unit(4, kArmy, 2), Plan(4, "SA", 5, kMe), Unit(6, kArmy), Order(6, "MO", 5);
    Plan(7, "SD", 8), Unit(8, kArmy), Order(8, "SA", 5);
    Unit(20, kFleet), Order(20, "CO", 9), Unit(10, kArmy, 2), Plan(10, "CO", 20), Link(10, 20);
    EXPECT_TRUE(Check().empty());
    game().Allies = {};
    plan.player = 4;  // a plan of someone else is no word on player 2's attacks
    Plan(3, "MO", 11);
    EXPECT_TRUE(Check().empty());
}

TEST_F(AllyCheckTest, EachMissedMeetingNamesBothOrders) {
    Unit(1, kArmy), Order(1, "SA", 2, 2), Plan(3, "MO", 11), Link(2, 3);
    Plan(4, "SA", 5, kMe), Unit(6, kArmy), Order(6, "MO", 12), Link(5, 6);
    Unit(13, kArmy), Order(13, "MO", 14), Plan(15, "MO", 14);
    Unit(21, kFleet), Order(21, "CO", 16), Unit(17, kArmy, 2), Plan(17, "MO", 18), Link(21, 17);
    Plan(19, "SD", 30), Unit(30, kArmy), Order(30, "MO", 31);
    std::vector<std::pair<Kind, QString>> found;
    for (const TurnFinding& finding : Check()) found.emplace_back(finding.kind, finding.text);
    // clang-format off
    EXPECT_EQ(found, (std::vector<std::pair<Kind, QString>>{
        {Kind::AllyAttackMissing, "Area  1 Paris: your SA 1 2 2 supports P2's attack on area  2, "
                                  "which P2 has not ordered; P2's MO 3 11 goes elsewhere"},
        {Kind::OwnAttackMissing, "Area  5 Paris: P2's SA 4 5 3 supports your attack on it, which "
                                 "you have not ordered; your MO 6 12 goes elsewhere"},
        {Kind::MovesMeetAlly, "Area  14 Paris: your MO 13 14 and P2's MO 15 14 both go into it"},
        {Kind::AllyConvoyMissing, "Area  21 Paris: your CO 21 16 would carry P2's army from area "
                                  " 17, which P2 does not send into the convoy; P2's MO 17 18 "
                                  "instead"},
        {Kind::AllyDefendsLeavingUnit, "Area  30 Paris: P2's SD 19 30 supports the defence of "
                                       "your army, which you order away: MO 30 31"}}));
    // clang-format on
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
