#include "files/ReadBack.h"

#include "files/SaveOrders.h"
#include "session/Session.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class ReadBackTest : public ::testing::Test {
protected:
    ReadBackTest() {
        game.GameCode = "QM012";
        game.PlayerIdent = "Veskaran Republic";
        game.ReportDir = folder.path();
        game.area(5).Command = "MO", game.area(5).Parm1 = 12;
        game.area(9).Command = "SA", game.area(9).Parm1 = 12, game.area(9).Parm2 = 4;
        game.CommandList[1] = {"SP", {0, 40, 0, 0, 0}};
        game.CommandList[3] = {"GA", {0, 3, -1, 0, 0}};
        game.CommandCount = 3;
    }
    test::FakePort port;
    Session session{port};
    GameState& game = session.game;
    test::TempFolder folder;
};

TEST_F(ReadBackTest, ASavedFileAgreesAndAnEditBehindTheProgramsBackIsShown) {
    EXPECT_EQ(CompareCommandsFile(game),
              (std::vector<OrderMismatch>{{"KVOSTART ... KVOEND", ""}}));  // nothing saved yet
    ASSERT_TRUE(SaveOrders(game, port));
    EXPECT_TRUE(VerifySavedOrders(game, port));
    EXPECT_TRUE(port.messages.empty());

    QByteArray text = folder.Read("commands.dat");
    text.replace("MO  5   12 ", "MO  5   13 ");
    text.replace("GA  3  ALL\r\n", "GA  3  ALL\n");
    folder.Write("commands.dat", text);
    EXPECT_FALSE(VerifySavedOrders(game, port));
    EXPECT_EQ(port.messages,
              (std::vector<test::Message>{{"commands.dat does not say what the screen says:\n"
                                           "screen: MO 5 12   file: MO 5 13\n"
                                           "screen: GA 3 ALL   file: GA 3 ALL (no CR)",
                                           MessageIcon::Stop}}));

    // A line lost at the end shows with nothing on the file's side.
    text = folder.Read("commands.dat");
    folder.Write("commands.dat", text.left(text.indexOf("KVOEND")));
    EXPECT_EQ(CompareCommandsFile(game).back(), (OrderMismatch{"KVOEND", ""}));
}

}  // namespace
}  // namespace qm
