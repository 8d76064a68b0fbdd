#include "files/OrdersText.h"

#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

QByteArray B(int blanks) { return QByteArray(blanks, ' '); }

QByteArray Lines(std::initializer_list<QByteArray> lines) {
    QByteArray text;
    for (const QByteArray& line : lines) text += line + "\r\n";
    return text;
}

class OrdersTextTest : public ::testing::Test {
protected:
    OrdersTextTest() {
        game.GameCode = "QM012";
        game.PlayerIdent = "Player three, 12 Rue de Paris";
        game.TurnYear = 1881;
        game.TurnOfYear = 2;
        game.CommandCount = 2;
    }
    void Order(int area, const char* code, std::int16_t p1 = 0, std::int16_t p2 = 0) {
        game.area(area).Command = code;
        game.area(area).Parm1 = p1;
        game.area(area).Parm2 = p2;
    }
    void List(int slot, const char* code, std::int16_t p1, std::int16_t p2 = 0) {
        game.CommandList[static_cast<std::size_t>(slot)] = {code, {0, p1, p2, 0, 0}};
    }
    GameState game;
};

TEST_F(OrdersTextTest, TurnWithoutOrders) {
    EXPECT_EQ(CommandsFileText(game), Lines({"KVOSTART", "QM012", "Player three, 12 Rue de Paris",
                                             "", "SP  0   0   0   0   0   0 ", "KVOEND"}));
    const QByteArray zeros = " 0 " + B(11) + " 0 " + B(11) + " 0 " + B(11) + " 0 ";
    EXPECT_EQ(WorkingCopyText(game), Lines({"QM012" + B(9) + "," + B(13) + " 1881 " + B(8) + " 2 ",
                                            "SP", zeros, "SP", zeros, "END"}));
}

TEST_F(OrdersTextTest, NoReportOpenedYet) {
    const GameState empty;
    EXPECT_EQ(CommandsFileText(empty),
              Lines({"KVOSTART", "", "", "", "SP  0   0   0   0   0   0 ", "KVOEND"}));
    // The comma still stands in the second print zone.
    EXPECT_TRUE(WorkingCopyText(empty).startsWith(B(14) + "," + B(13) + " 0 " + B(11) + " 0 \r\n"));
}

TEST_F(OrdersTextTest, EveryOrderCode) {
    Order(1, "AA");
    Order(2, "AC");
    Order(3, "AF");
    Order(4, "AS");
    Order(5, "UU");
    Order(6, "DU");
    Order(7, "RU");
    Order(8, "MO", 12);
    Order(9, "SA", 13, 5);
    Order(10, "SA", 14, 0);
    Order(11, "SD", 15);
    Order(12, "CO", 50);
    Order(100, "XX", 3);  // not an order: no line
    game.CommandList[1] = {"SP", {0, 10, 20, 30, 40}};
    game.CommandList[2] = {"SP", {0, 50, 60, 0, 0}};
    List(3, "DA", 1);
    List(4, "DN", 2);
    // slot 5 deleted
    List(6, "DW", 4);
    List(7, "CA", 1, 4);
    List(8, "GA", 1, -1);
    List(9, "GA", 1, 120);
    List(10, "VC", 15, 300);
    List(11, "SP", 7);  // only slots 1 and 2 carry spies
    List(12, "ZZ", 7);
    game.CommandCount = 12;

    EXPECT_EQ(CommandsFileText(game), Lines({"KVOSTART",
                                             "QM012",
                                             "Player three, 12 Rue de Paris",
                                             "",
                                             "AA  1 ",
                                             "AC  2 ",
                                             "AF  3 ",
                                             "AS  4 ",
                                             "UU  5 ",
                                             "DU  6 ",
                                             "RU  7 ",
                                             "MO  8   12 ",
                                             "SA  9   13   5 ",
                                             "SA  10   14 ",
                                             "SD  11   15 ",
                                             "CO  12   50 ",
                                             "SP  10   20   30   40   50   60 ",
                                             "DA  1 ",
                                             "DN  2 ",
                                             "DW  4 ",
                                             "CA  1   4 ",
                                             "GA  1  ALL",
                                             "GA  1   120 ",
                                             "VC  15   300 ",
                                             "KVOEND"}));

    EXPECT_EQ(WorkingCopyText(game),
              Lines({"QM012" + B(9) + "," + B(13) + " 1881 " + B(8) + " 2 ",
                     "AA",
                     " 1 ",
                     "AC",
                     " 2 ",
                     "AF",
                     " 3 ",
                     "AS",
                     " 4 ",
                     "UU",
                     " 5 ",
                     "DU",
                     " 6 ",
                     "RU",
                     " 7 ",
                     "MO",
                     " 8 " + B(11) + " 12 ",
                     "SA",
                     " 9 " + B(11) + " 13 " + B(10) + " 5 ",
                     "SA",
                     " 10 " + B(10) + " 14 " + B(10) + " 0 ",
                     "SD",
                     " 11 " + B(10) + " 15 ",
                     "CO",
                     " 12 " + B(10) + " 50 ",
                     "SP",
                     " 10 " + B(10) + " 20 " + B(10) + " 30 " + B(10) + " 40 ",
                     "SP",
                     " 50 " + B(10) + " 60 " + B(10) + " 0 " + B(11) + " 0 ",
                     "DA",
                     " 1 ",
                     "DN",
                     " 2 ",
                     "DW",
                     " 4 ",
                     "CA",
                     " 1 " + B(11) + " 4 ",
                     "GA",
                     " 1 " + B(11) + "-1 ",
                     "GA",
                     " 1 " + B(11) + " 120 ",
                     "VC",
                     " 15 " + B(10) + " 300 ",
                     "END"}));
}

TEST_F(OrdersTextTest, SupportOfAnotherPlayerBelowOneIsOwnSupport) {
    Order(9, "SA", 13, -2);
    EXPECT_TRUE(CommandsFileText(game).contains("\r\nSA  9   13 \r\n"));
    EXPECT_TRUE(WorkingCopyText(game).contains("\r\n 9 " + B(11) + " 13 " + B(10) + " 0 \r\n"));
}

TEST_F(OrdersTextTest, NegativeAndLargeNumbers) {
    Order(273, "MO", -1);
    List(3, "VC", -32768, 32767);
    game.CommandCount = 3;
    EXPECT_TRUE(CommandsFileText(game).contains("\r\nMO  273  -1 \r\n"));
    EXPECT_TRUE(CommandsFileText(game).contains("\r\nVC -32768   32767 \r\n"));
    EXPECT_TRUE(WorkingCopyText(game).contains("\r\n 273 " + B(9) + "-1 \r\n"));
    EXPECT_TRUE(WorkingCopyText(game).contains("\r\n-32768 " + B(7) + " 32767 \r\n"));
}

TEST_F(OrdersTextTest, CommandCountBeyondTheTableStopsAtSlot100) {
    List(100, "DA", 2);
    game.CommandCount = 500;
    EXPECT_TRUE(CommandsFileText(game).endsWith("\r\nDA  2 \r\nKVOEND\r\n"));
}

}  // namespace
}  // namespace qm
