#include "files/OrdersText.h"

#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// File text with every line end written as "|".
QByteArray Crlf(const char* text) { return QByteArray(text).replace("|", "\r\n"); }

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
    EXPECT_EQ(CommandsFileText(game),
              Crlf("KVOSTART|QM012|Player three, 12 Rue de Paris||SP  0   0   0   0   0   0 |"
                   "KVOEND|"));
    EXPECT_EQ(WorkingCopyText(game), Crlf("QM012         ,              1881          2 |"
                                          "SP| 0             0             0             0 |"
                                          "SP| 0             0             0             0 |"
                                          "END|"));
    // No report opened yet: the comma still stands in the second print zone.
    const GameState empty;
    EXPECT_EQ(CommandsFileText(empty), Crlf("KVOSTART||||SP  0   0   0   0   0   0 |KVOEND|"));
    EXPECT_TRUE(
        WorkingCopyText(empty).startsWith(Crlf("              ,              0 "
                                               "            0 |")));
}

TEST_F(OrdersTextTest, EveryOrderCode) {
    const char* codes[] = {"AA", "AC", "AF", "AS", "UU", "DU", "RU"};
    for (int i = 0; i < 7; ++i) Order(i + 1, codes[i]);
    Order(8, "MO", 12);
    Order(9, "SA", 13, 5);
    Order(10, "SA", 14, 0);
    Order(11, "SD", 15);
    Order(12, "CO", 50);
    Order(100, "XX", 3);  // not an order: no line
    Order(273, "MO", -1);
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
    List(11, "VC", -32768, 32767);
    List(12, "SP", 7);  // only slots 1 and 2 carry spies
    List(13, "ZZ", 7);
    game.CommandCount = 13;

    EXPECT_EQ(CommandsFileText(game),
              Crlf("KVOSTART|QM012|Player three, 12 Rue de Paris||"
                   "AA  1 |AC  2 |AF  3 |AS  4 |UU  5 |DU  6 |RU  7 |"
                   "MO  8   12 |SA  9   13   5 |SA  10   14 |SD  11   15 |CO  12   50 |"
                   "MO  273  -1 |"
                   "SP  10   20   30   40   50   60 |"
                   "DA  1 |DN  2 |DW  4 |CA  1   4 |GA  1  ALL|GA  1   120 |"
                   "VC  15   300 |VC -32768   32767 |KVOEND|"));

    EXPECT_EQ(WorkingCopyText(game), Crlf("QM012         ,              1881          2 |"
                                          "AA| 1 |AC| 2 |AF| 3 |AS| 4 |UU| 5 |DU| 6 |RU| 7 |"
                                          "MO| 8             12 |"
                                          "SA| 9             13            5 |"
                                          "SA| 10            14            0 |"
                                          "SD| 11            15 |"
                                          "CO| 12            50 |"
                                          "MO| 273          -1 |"
                                          "SP| 10            20            30            40 |"
                                          "SP| 50            60            0             0 |"
                                          "DA| 1 |DN| 2 |DW| 4 |"
                                          "CA| 1             4 |"
                                          "GA| 1            -1 |"
                                          "GA| 1             120 |"
                                          "VC| 15            300 |"
                                          "VC|-32768         32767 |"
                                          "END|"));
}

}  // namespace
}  // namespace qm
