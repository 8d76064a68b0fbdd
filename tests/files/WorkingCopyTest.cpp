#include "files/WorkingCopy.h"

#include "files/ReportReader.h"
#include "files/SaveOrders.h"
#include "state/Session.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::FakePort;
using test::Message;
using test::ReportText;
using test::TempFolder;

const Message kNoOldOrders{"No old orders to read in", MessageIcon::None};

class WorkingCopyTest : public ::testing::Test {
protected:
    WorkingCopyTest() { Reset(); }

    // A freshly loaded turn QM012, 1881 turn 2, with no orders.
    void Reset() {
        session.game = GameState{};
        GameState& game = session.game;
        game.GameCode = "QM012";
        game.TurnYear = 1881;
        game.TurnOfYear = 2;
        game.CommandCount = 2;
        port.messages.clear();
    }

    bool ReadText(const QByteArray& text, const QString& name = "orders.tmp") {
        folder.Write(name, text);
        return ReadWorkingCopy(session, folder.path());
    }

    void ExpectNothingRestored() {
        EXPECT_EQ(port.messages, (std::vector<Message>{kNoOldOrders}));
        for (int i = 0; i <= kLastArea; ++i) EXPECT_EQ(session.game.area(i).Command, "") << i;
        EXPECT_EQ(session.game.CommandCount, 2);
        for (int i = 0; i <= kLastCommandSlot; ++i)
            EXPECT_TRUE(session.game.CommandList[static_cast<std::size_t>(i)].IsEmpty()) << i;
    }

    TempFolder folder;
    FakePort port;
    Session session{port};
};

TEST_F(WorkingCopyTest, SaveThenReopenRestoresEverything) {
    ReportText report;
    folder.Write("plyrdata.3", report.Build());
    ASSERT_TRUE(ReadReport(session, folder.path(), "plyrdata.3"));
    GameState& game = session.game;
    game.ReportDir = folder.path();  // the Open command's part
    const char* codes[] = {"AA", "AC", "AF", "AS", "UU", "DU", "RU"};
    for (int i = 0; i < 7; ++i) game.area(i + 1).Command = codes[i];
    game.area(8).Command = "MO";
    game.area(8).Parm1 = 12;
    game.area(9).Command = "SA";
    game.area(9).Parm1 = 13;
    game.area(9).Parm2 = 2;
    game.area(10).Command = "SA";
    game.area(10).Parm1 = 14;
    game.area(11).Command = "SD";
    game.area(11).Parm1 = 15;
    game.area(273).Command = "CO";
    game.area(273).Parm1 = 50;
    game.CommandList[1] = {"SP", {0, 10, 20, 30, 40}};
    game.CommandList[2] = {"SP", {0, 50, 0, 0, 0}};
    game.CommandList[4] = {"DA", {0, 1, 0, 0, 0}};
    game.CommandList[6] = {"GA", {0, 2, -1, 0, 0}};
    game.CommandList[7] = {"CA", {0, 2, 1, 0, 0}};
    game.CommandList[9] = {"VC", {0, 25, 450, 0, 0}};
    game.CommandList[10] = {"DW", {0, 4, 0, 0, 0}};
    game.CommandList[11] = {"DN", {0, 0, 0, 0, 0}};
    game.CommandList[12] = {"GA", {0, 2, 60, 0, 0}};
    game.CommandCount = 12;
    ASSERT_TRUE(SaveOrders(session));
    const GameState saved = game;

    FakePort port2;
    Session reopened(port2);
    ASSERT_TRUE(ReadReport(reopened, folder.path(), "plyrdata.3"));
    EXPECT_TRUE(port2.messages.empty());
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& a = reopened.game.area(i);
        const AreaRecord& b = saved.area(i);
        EXPECT_EQ(a.Command, b.Command) << i;
        EXPECT_EQ(a.Parm1, b.Parm1) << i;
        EXPECT_EQ(a.Parm2, b.Parm2) << i;
    }
    const auto& list = reopened.game.CommandList;
    EXPECT_EQ(list[1].Code, "SP");
    EXPECT_EQ(list[1].P, saved.CommandList[1].P);
    EXPECT_EQ(list[2].P, saved.CommandList[2].P);
    // Packed into slots 3, 4, ... in the order they were written.
    const std::pair<const char*, std::array<std::int16_t, 5>> expected[] = {
        {"DA", {0, 1, 0, 0, 0}},    {"GA", {0, 2, -1, 0, 0}}, {"CA", {0, 2, 1, 0, 0}},
        {"VC", {0, 25, 450, 0, 0}}, {"DW", {0, 4, 0, 0, 0}},  {"DN", {0, 0, 0, 0, 0}},
        {"GA", {0, 2, 60, 0, 0}}};
    EXPECT_EQ(reopened.game.CommandCount, 9);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(list[static_cast<std::size_t>(k + 3)].Code, expected[k].first) << k;
        EXPECT_EQ(list[static_cast<std::size_t>(k + 3)].P, expected[k].second) << k;
    }
}

TEST_F(WorkingCopyTest, AnotherTurnOrGameIsNotRead) {
    const QByteArray orders = "\r\nAA\r\n 5 \r\nEND\r\n";
    EXPECT_FALSE(ReadText("QM012,1881,1" + orders));
    ExpectNothingRestored();
    Reset();
    EXPECT_FALSE(ReadText("QM012,1880,2" + orders));
    ExpectNothingRestored();
    Reset();
    EXPECT_FALSE(ReadText("QM013,1881,2" + orders));
    ExpectNothingRestored();
    Reset();
    EXPECT_TRUE(ReadText("QM012,1881,2" + orders));
    EXPECT_EQ(session.game.area(5).Command, "AA");
}

TEST_F(WorkingCopyTest, MissingFileSaysSo) {
    EXPECT_FALSE(ReadWorkingCopy(session, folder.path()));
    ExpectNothingRestored();
}

TEST_F(WorkingCopyTest, NameIsMatchedWithoutRegardToCase) {
    EXPECT_TRUE(ReadText("QM012,1881,2\r\nRU\r\n 7 \r\nEND\r\n", "ORDERS.TMP"));
    EXPECT_EQ(session.game.area(7).Command, "RU");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(WorkingCopyTest, ExtraSpyBlocksAndUnknownItemsArePassedOver) {
    EXPECT_TRUE(
        ReadText("QM012,1881,2\r\nSP\r\n1,2,3,4\r\nSP\r\n5,6,0,0\r\nSP\r\n7,8,9,10\r\n"
                 "XX\r\nDA\r\n 2 \r\nEND\r\n"));
    EXPECT_EQ(session.game.CommandList[1].P, (std::array<std::int16_t, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(session.game.CommandList[2].P, (std::array<std::int16_t, 5>{0, 5, 6, 0, 0}));
    EXPECT_EQ(session.game.CommandList[3].Code, "DA");
    EXPECT_EQ(session.game.CommandCount, 3);
}

TEST_F(WorkingCopyTest, OldParametersOfAnAreaAreReplaced) {
    session.game.area(5).Command = "SA";
    session.game.area(5).Parm1 = 9;
    session.game.area(5).Parm2 = 4;
    EXPECT_TRUE(ReadText("QM012,1881,2\r\nRU\r\n 5 \r\nEND\r\n"));
    EXPECT_EQ(session.game.area(5).Parm1, 0);
    EXPECT_EQ(session.game.area(5).Parm2, 0);
}

struct BadCopy {
    const char* what;
    const char* body;  // after the header line
};

class BadWorkingCopy : public WorkingCopyTest, public ::testing::WithParamInterface<BadCopy> {};

TEST_P(BadWorkingCopy, KeepsNothingOfIt) {
    EXPECT_FALSE(
        ReadText(QByteArray("QM012,1881,2\r\nAA\r\n 5 \r\nDA\r\n 1 \r\n") + GetParam().body));
    ExpectNothingRestored();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadWorkingCopy,
    ::testing::Values(BadCopy{"no_end", ""}, BadCopy{"ends_inside_an_order", "MO\r\n 5 \r\n"},
                      BadCopy{"number_too_large", "MO\r\n 5 ,40000\r\nEND\r\n"},
                      BadCopy{"text_for_a_number", "MO\r\n 5 ,far\r\nEND\r\n"},
                      BadCopy{"area_0", "AC\r\n 0 \r\nEND\r\n"},
                      BadCopy{"area_274", "RU\r\n 274 \r\nEND\r\n"},
                      BadCopy{"target_274", "SD\r\n 4 ,274\r\nEND\r\n"},
                      BadCopy{"supported_player_13", "SA\r\n 4 ,5,13\r\nEND\r\n"},
                      BadCopy{"declared_player_13", "DW\r\n 13 \r\nEND\r\n"},
                      BadCopy{"called_player_negative", "CA\r\n 1 ,-1\r\nEND\r\n"},
                      BadCopy{"granted_area_0", "GA\r\n 1 ,0\r\nEND\r\n"},
                      BadCopy{"spy_negative", "SP\r\n 1 ,2,-3,4\r\nEND\r\n"},
                      BadCopy{"spy_274", "SP\r\n 1 ,2,3,274\r\nEND\r\n"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(WorkingCopyTest, HeaderThatIsNotNumbersIsNotRead) {
    EXPECT_FALSE(ReadText("QM012,next,2\r\nEND\r\n"));
    ExpectNothingRestored();
}

TEST_F(WorkingCopyTest, MoreListOrdersThanSlotsKeepsNothing) {
    QByteArray text = "QM012,1881,2\r\n";
    for (int i = 0; i < 99; ++i) text += "DN\r\n 1 \r\n";
    EXPECT_FALSE(ReadText(text + "END\r\n"));
    ExpectNothingRestored();

    Reset();
    text = "QM012,1881,2\r\n";
    for (int i = 0; i < 98; ++i) text += "DN\r\n 1 \r\n";
    EXPECT_TRUE(ReadText(text + "END\r\n"));
    EXPECT_EQ(session.game.CommandCount, 100);
}

}  // namespace
}  // namespace qm
