#include "files/ReadBack.h"

#include "files/SaveOrders.h"
#include "state/GameState.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class ReadBack : public ::testing::Test {
protected:
    ReadBack() { game.GameCode = "QM012", game.ReportDir = folder.path(); }
    test::FakePort port;
    test::TempFolder folder;
    GameState game;
};

TEST_F(ReadBack, ASavedFileAgreesAndAnEditBehindTheProgramsBackIsShownWithBothTexts) {
    game.area(5).Command = "MO", game.area(5).Parm1 = 12;
    game.CommandList[3] = {"GA", {0, 3, -1, 0, 0}}, game.CommandCount = 3;
    EXPECT_EQ(CompareCommandsFile(game), (std::vector<OrderMismatch>{{"KVOSTART ... KVOEND", ""}}));
    ASSERT_TRUE(SaveOrders(game, port));
    EXPECT_TRUE(VerifySavedOrders(game, port));
    EXPECT_TRUE(port.messages.empty());

    const QByteArray text = folder.Read("commands.dat");
    folder.Write("commands.dat", QByteArray(text)
                                     .replace("MO  5   12 ", "MO  5   13 ")
                                     .replace("GA  3  ALL\r\n", "GA  3  ALL\n"));
    EXPECT_FALSE(VerifySavedOrders(game, port));
    EXPECT_EQ(port.messages,
              (std::vector<test::Message>{{"commands.dat does not say what the screen says:\n"
                                           "screen: MO 5 12   file: MO 5 13\n"
                                           "screen: GA 3 ALL   file: GA 3 ALL (no CR)",
                                           MessageIcon::Stop}}));
}

TEST_F(ReadBack, EveryListOrderIsReadBackAsMemoryHasIt) {
    game.PlayerIdent = "Player  three";
    game.CommandList[1] = {"SP", {0, 10, 20, 30, 40}};
    game.CommandList[2] = {"SP", {0, 50, 0, 0, 0}};
    const CommandRecord orders[] = {{"DA", {0, 2, 0, 0, 0}},   {"DN", {0, 4, 0, 0, 0}},
                                    {"DW", {0, 5, 0, 0, 0}},   {"CA", {0, 2, 5, 0, 0}},
                                    {"GA", {0, 2, 17, 0, 0}},  {"GA", {0, 4, -1, 0, 0}},
                                    {"VC", {0, 25, 450, 0, 0}}};
    game.CommandCount = 2;
    for (const CommandRecord& order : orders) game.CommandList[++game.CommandCount] = order;
    EXPECT_EQ(OrdersInMemory(game),
              (std::vector<QString>{"KVOSTART", "QM012", "Player three", "", "SP 10 20 30 40 50 0",
                                    "DA 2", "DN 4", "DW 5", "CA 2 5", "GA 2 17", "GA 4 ALL",
                                    "VC 25 450", "KVOEND"}));
    ASSERT_TRUE(SaveOrders(game, port));
    EXPECT_EQ(CompareCommandsFile(game), std::vector<OrderMismatch>{});
}

}  // namespace
}  // namespace qm
