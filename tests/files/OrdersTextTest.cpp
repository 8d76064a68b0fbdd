#include "files/OrdersText.h"

#include "files/WorkingCopy.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// File text with every line end written as "|".
QByteArray Crlf(const char* text) { return QByteArray(text).replace("|", "\r\n"); }

class OrdersTextTest : public ::testing::Test {
protected:
    // Turn QM012, 1881 turn 2, with no orders.
    static GameState Turn() {
        GameState game;
        game.GameCode = "QM012";
        game.PlayerIdent = "Player three, 12 Rue de Paris";
        game.TurnYear = 1881, game.TurnOfYear = 2;
        game.CommandCount = 2;
        return game;
    }
    GameState game = Turn();
};

TEST_F(OrdersTextTest, TurnWithoutOrders) {
    EXPECT_EQ(CommandsFileText(game),
              Crlf("KVOSTART|QM012|Player three, 12 Rue de Paris||SP  0   0   0   0   0   0 |"
                   "KVOEND|"));
    EXPECT_EQ(WorkingCopyText(game), Crlf("QM012         ,              1881          2 |"
                                          "SP| 0             0             0             0 |"
                                          "SP| 0             0             0             0 |"
                                          "END|"));
}

TEST_F(OrdersTextTest, EveryOrderCodeIsWrittenAndReadBack) {
    // clang-format off
    const std::tuple<int, const char*, std::int16_t, std::int16_t> orders[] = {
        {1, "AA", 0, 0}, {2, "AC", 0, 0}, {3, "AF", 0, 0}, {4, "AS", 0, 0}, {5, "UU", 0, 0},
        {6, "DU", 0, 0}, {7, "RU", 0, 0}, {8, "MO", 12, 0}, {9, "SA", 13, 5}, {10, "SA", 14, 0},
        {11, "SD", 15, 0}, {12, "CO", 50, 0}, {273, "MO", -1, 0}};
    // clang-format on
    for (auto [n, code, p1, p2] : orders)
        game.area(n).Command = code, game.area(n).Parm1 = p1, game.area(n).Parm2 = p2;
    game.CommandList[1] = {"SP", {0, 10, 20, 30, 40}};
    game.CommandList[2] = {"SP", {0, 50, 60, 0, 0}};
    // Slot 5 was deleted.
    const std::pair<const char*, std::array<std::int16_t, 5>> list[] = {
        {"DA", {0, 1}},      {"DN", {0, 2}},      {"", {}},
        {"DW", {0, 4}},      {"CA", {0, 1, 4}},   {"GA", {0, 1, -1}},
        {"GA", {0, 1, 120}}, {"VC", {0, 15, 300}}};
    for (std::size_t i = 0; i < std::size(list); ++i)
        game.CommandList[i + 3] = {list[i].first, list[i].second};
    game.CommandCount = 10;

    EXPECT_EQ(CommandsFileText(game),
              Crlf("KVOSTART|QM012|Player three, 12 Rue de Paris||"
                   "AA  1 |AC  2 |AF  3 |AS  4 |UU  5 |DU  6 |RU  7 |"
                   "MO  8   12 |SA  9   13   5 |SA  10   14 |SD  11   15 |CO  12   50 |"
                   "MO  273  -1 |"
                   "SP  10   20   30   40   50   60 |"
                   "DA  1 |DN  2 |DW  4 |CA  1   4 |GA  1  ALL|GA  1   120 |VC  15   300 |"
                   "KVOEND|"));
    EXPECT_EQ(WorkingCopyText(game),
              Crlf("QM012         ,              1881          2 |"
                   "AA| 1 |AC| 2 |AF| 3 |AS| 4 |UU| 5 |DU| 6 |RU| 7 |"
                   "MO| 8             12 |SA| 9             13            5 |"
                   "SA| 10            14            0 |SD| 11            15 |CO| 12            50 |"
                   "MO| 273          -1 |"
                   "SP| 10            20            30            40 |"
                   "SP| 50            60            0             0 |"
                   "DA| 1 |DN| 2 |DW| 4 |CA| 1             4 |GA| 1            -1 |"
                   "GA| 1             120 |VC| 15            300 |END|"));

    // Read back (where a target is an area), old parameters are replaced and
    // the list is packed into slots 3, 4, ...
    game.area(273).Parm1 = 14;
    GameState back = Turn();
    back.area(1).Parm1 = 9;
    ASSERT_TRUE(RestoreOrders(back, WorkingCopyText(game)));
    EXPECT_EQ(WorkingCopyText(back), WorkingCopyText(game));
    EXPECT_EQ(back.area(1).Parm1, 0);
    EXPECT_EQ(back.CommandCount, 9);
    EXPECT_EQ(back.CommandList[5].Code, "DW");
}

}  // namespace
}  // namespace qm
