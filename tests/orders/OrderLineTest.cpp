#include "orders/OrderLine.h"

#include "orders/OrderLineCompletion.h"
#include "orders/OrderWorld.h"
#include "state/TurnRules.h"

namespace qm {
namespace {

using test::kMe;

// Own centre 4 "Old Ardmoor" beside own army 5 "Loromark"; own coast 20 (army)
// beside water 50 (fleet) beside own coast 21; player 2 a mutual ally, 4 at war.
class OrderLineTest : public test::OrderWorld {
protected:
    OrderLineTest() {
        game().TurnYear = 1882, game().TurnOfYear = 2;
        Area(4, kLand, kMe, 2), Area(5, kLand), Area(20, kCoast, kMe, 2);
        Area(21, kCoast, kMe, 1), Area(50, kWater, 0);
        Link(4, 5), Link(20, 50), Link(50, 21);
        Unit(5, kArmy), Unit(20, kArmy), Unit(50, kFleet);
        area(4).Name = "Old Ardmoor", area(5).Name = "Loromark";
        Relation(kMe, 2, 'A'), Relation(2, kMe, 'A'), Relation(kMe, 4, 'W');
        freeSupply() = 4;
    }
    bool Enter(const QString& line) {
        port.messages.clear();
        return EnterOrderLine(session.orders(), session.spies, session.history, line);
    }
    std::vector<QString> Completions(const QString& line) {
        return OrderLineCompletions(game(), line);
    }
    QString Slot(int i) {
        const CommandRecord& order = game().CommandList[static_cast<std::size_t>(i)];
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(order.Code)
            .arg(order.P[1])
            .arg(order.P[2])
            .arg(order.P[3])
            .arg(order.P[4]);
    }
};

TEST_F(OrderLineTest, EveryCodeGivesTheOrderTheMouseGives) {
    auto order = [&](int n) {
        return QStringLiteral("%1 %2 %3")
            .arg(area(n).Command)
            .arg(area(n).Parm1)
            .arg(area(n).Parm2);
    };
    EXPECT_TRUE(Enter("mo loromark old_ardmoor"));  // names, in any case, "_" for a blank
    EXPECT_EQ(order(5), "MO 4 0");
    EXPECT_TRUE(session.history.CanUndo());
    EXPECT_TRUE(Enter("SA 5 Old Ardmoor P2"));
    EXPECT_EQ(order(5), "SA 4 2");
    EXPECT_TRUE(Enter("SD 5 4"));
    EXPECT_EQ(order(5), "SD 4 0");
    EXPECT_TRUE(Enter("CO 20 50"));
    EXPECT_EQ(order(20), "CO 50 0");
    EXPECT_TRUE(Enter("CO 50 21"));
    EXPECT_EQ(order(50), "CO 21 0");
    EXPECT_TRUE(Enter("AA 4"));
    EXPECT_EQ(order(4), "AA 0 0");
    EXPECT_TRUE(Enter("Cancel 4"));
    EXPECT_EQ(order(4), " 0 0");
    EXPECT_TRUE(Enter("AS 21"));
    EXPECT_EQ(order(21), "AS 0 0");
    EXPECT_TRUE(Enter("DA P2"));
    EXPECT_TRUE(Enter("DW 4"));
    EXPECT_TRUE(Enter("GA P2 4"));
    EXPECT_TRUE(Enter("GA P2 ALL"));
    EXPECT_TRUE(Enter("CA P2 P4"));
    EXPECT_TRUE(Enter("SP 7 8 9"));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(Slot(1), "SP 7 8 9 0");
    const QStringList listed = {Slot(3), Slot(4), Slot(5), Slot(6), Slot(7)};
    EXPECT_EQ(listed,
              QStringList({"DA 2 0 0 0", "DW 4 0 0 0", "GA 2 4 0 0", "GA 2 -1 0 0", "CA 2 4 0 0"}));
    // The own attack: the mouse path's warning, no player.
    EXPECT_TRUE(Enter("SA 5 4"));
    EXPECT_EQ(order(5), "SA 4 0");
    EXPECT_EQ(port.messages,
              Messages({{"Warning, no unit attacking area  4", MessageIcon::Information}}));
    // Victory conditions on the first turn only.
    EXPECT_FALSE(Enter("VC 10 300"));
    EXPECT_EQ(
        port.messages,
        Messages({{"Victory conditions are proposed on the first turn only", MessageIcon::Stop}}));
    game().TurnYear = 1880, game().TurnOfYear = 1;
    EXPECT_TRUE(Enter("VC 12 250"));
    EXPECT_EQ(Slot(8), "VC 12 250 0 0");
}

TEST_F(OrderLineTest, ALineThatDoesNotReadOrIsRefusedChangesNothing) {
    const char* known =
        "XX is no order; the orders are MO, SA, SD, CO, AA, AC, AF, AS, UU, DU, RU, DA, DN, DW, "
        "GA, CA, VC, SP and Cancel";
    const std::pair<const char*, const char*> cases[] = {
        {"XX 5", known},
        {"MO 5", "Write it as MO 60 58 (the unit's area, then the target)"},
        {"MO 5 4 4", "Write it as MO 60 58 (the unit's area, then the target)"},
        {"MO 5 999", "There is no area 999"},
        {"MO Atlantis 4", "There is no area Atlantis"},
        {"DA Nobody", "There is no player Nobody"},
        {"GA P4 4", "Access is granted to a mutual ally only"},
        {"CA P4 P2", "A call to arms goes to a mutual ally against an enemy of yours"},
        {"MO 4 5", "No unit there owned by you"},  // the rules' own refusals
        {"MO 5 20", "Areas  5 and  20 are not adjacent"},
        {"UU 20", "Can only upgrade a corps or squadron"},
    };
    for (const auto& [line, message] : cases) {
        const OrdersSnapshot before = TakeOrdersSnapshot(game());
        EXPECT_FALSE(Enter(line)) << line;
        EXPECT_EQ(port.messages, Messages({{message, MessageIcon::Stop}})) << line;
        EXPECT_TRUE(TakeOrdersSnapshot(game()) == before) << line;
        EXPECT_TRUE(mapMode().isEmpty()) << line;
    }
    session.interaction.ReadOnly = true;  // a kept turn shown: not even a list order
    EXPECT_FALSE(Enter("DA P2"));
    EXPECT_EQ(port.messages.at(0).icon, MessageIcon::Information);
    EXPECT_EQ(game().CommandCount, 2);
    session.interaction.ReadOnly = false;
    game().TurnYear = 1880, game().TurnOfYear = 1;
    EXPECT_FALSE(Enter("DW P4"));
    EXPECT_EQ(port.messages,
              Messages({{"War cannot be declared on the first turn", MessageIcon::Stop}}));
    game().TurnOfYear = 2;  // no call to arms in the first three turns, as the menu says
    EXPECT_FALSE(Enter("CA P2 P4"));
    EXPECT_EQ(port.messages.at(0).text, QString::fromUtf16(kFirstTurnsRefusal));
}

TEST_F(OrderLineTest, CompletionOffersWhatTheWordCanBecome) {
    EXPECT_EQ(Completions("D"), (std::vector<QString>{"DU", "DA", "DN", "DW"}));
    EXPECT_EQ(Completions("MO lor"), (std::vector<QString>{"Loromark"}));
    EXPECT_EQ(Completions("MO 5 old"), (std::vector<QString>{"Old_Ardmoor"}));
    EXPECT_EQ(Completions("MO 5 27"), (std::vector<QString>{"27", "270", "271", "272", "273"}));
    EXPECT_EQ(Completions("DA P"), (std::vector<QString>{"P1", "P2", "P4", "P5", "P6"}));
    EXPECT_EQ(Completions("GA P2 a"), (std::vector<QString>{"ALL"}));
    EXPECT_TRUE(Completions("VC ").empty());
}

}  // namespace
}  // namespace qm
