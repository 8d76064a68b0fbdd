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

using test::Message;
using Params = std::array<std::int16_t, 5>;

class WorkingCopyTest : public ::testing::Test {
protected:
    WorkingCopyTest() { Reset(); }

    // A freshly loaded turn QM012, 1881 turn 2, with no orders.
    void Reset() {
        session.game = GameState{};
        session.game.GameCode = "QM012";
        session.game.TurnYear = 1881;
        session.game.TurnOfYear = 2;
        session.game.CommandCount = 2;
        port.messages.clear();
    }

    bool ReadText(const QByteArray& text) {
        folder.Write("ORDERS.TMP", text);
        return ReadWorkingCopy(session, folder.path());
    }

    void ExpectNothingRestored() {
        EXPECT_EQ(port.messages,
                  (std::vector<Message>{{"No old orders to read in", MessageIcon::None}}));
        for (int i = 0; i <= kLastArea; ++i) EXPECT_EQ(session.game.area(i).Command, "") << i;
        EXPECT_EQ(session.game.CommandCount, 2);
        for (int i = 0; i <= kLastCommandSlot; ++i)
            EXPECT_TRUE(session.game.CommandList[static_cast<std::size_t>(i)].IsEmpty()) << i;
    }

    test::TempFolder folder;
    test::FakePort port;
    Session session{port};
};

TEST_F(WorkingCopyTest, SaveThenReopenRestoresEverything) {
    folder.Write("plyrdata.3", test::ReportText{}.Build());
    ASSERT_TRUE(ReadReport(session, folder.path(), "plyrdata.3"));
    GameState& game = session.game;
    game.ReportDir = folder.path();  // the Open command's part
    const std::tuple<int, const char*, std::int16_t, std::int16_t> orders[] = {
        {1, "AA", 0, 0},  {2, "AC", 0, 0},   {3, "AF", 0, 0},   {4, "AS", 0, 0},
        {5, "UU", 0, 0},  {6, "DU", 0, 0},   {7, "RU", 0, 0},   {8, "MO", 12, 0},
        {9, "SA", 13, 2}, {10, "SA", 14, 0}, {11, "SD", 15, 0}, {273, "CO", 50, 0}};
    for (auto [n, code, p1, p2] : orders) {
        game.area(n).Command = code;
        game.area(n).Parm1 = p1;
        game.area(n).Parm2 = p2;
    }
    const std::pair<const char*, Params> list[] = {
        {"DA", {0, 1, 0, 0, 0}},    {"GA", {0, 2, -1, 0, 0}}, {"CA", {0, 2, 1, 0, 0}},
        {"VC", {0, 25, 450, 0, 0}}, {"DW", {0, 4, 0, 0, 0}},  {"DN", {0, 0, 0, 0, 0}},
        {"GA", {0, 2, 60, 0, 0}}};
    game.CommandList[1] = {"SP", {0, 10, 20, 30, 40}};
    game.CommandList[2] = {"SP", {0, 50, 0, 0, 0}};
    // Spread over the list with gaps, as deletions leave it.
    const int at[] = {4, 6, 7, 9, 10, 11, 12};
    for (int k = 0; k < 7; ++k) game.CommandList[at[k]] = {list[k].first, list[k].second};
    game.CommandCount = 12;
    ASSERT_TRUE(SaveOrders(session));

    test::FakePort port2;
    Session reopened(port2);
    ASSERT_TRUE(ReadReport(reopened, folder.path(), "plyrdata.3"));
    EXPECT_TRUE(port2.messages.empty());
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& a = reopened.game.area(i);
        EXPECT_EQ(a.Command, game.area(i).Command) << i;
        EXPECT_EQ(a.Parm1, game.area(i).Parm1) << i;
        EXPECT_EQ(a.Parm2, game.area(i).Parm2) << i;
    }
    const auto& restored = reopened.game.CommandList;
    EXPECT_EQ(restored[1].Code, "SP");
    EXPECT_EQ(restored[1].P, game.CommandList[1].P);
    EXPECT_EQ(restored[2].P, game.CommandList[2].P);
    // Packed into slots 3, 4, ... in the order they were written.
    EXPECT_EQ(reopened.game.CommandCount, 9);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(restored[k + 3].Code, list[k].first) << k;
        EXPECT_EQ(restored[k + 3].P, list[k].second) << k;
    }
}

TEST_F(WorkingCopyTest, OnlyTheSameGameYearAndTurnIsRead) {
    EXPECT_FALSE(ReadWorkingCopy(session, folder.path()));  // none yet
    ExpectNothingRestored();
    const QByteArray orders = "\r\nAA\r\n 5 \r\nEND\r\n";
    for (const char* header : {"QM012,1881,1", "QM012,1880,2", "QM013,1881,2", "QM012,next,2"}) {
        Reset();
        EXPECT_FALSE(ReadText(header + orders)) << header;
        ExpectNothingRestored();
    }
    Reset();
    session.game.area(5).Command = "SA";  // old parameters are replaced too
    session.game.area(5).Parm1 = 9;
    session.game.area(5).Parm2 = 4;
    EXPECT_TRUE(ReadText("QM012,1881,2" + orders));
    EXPECT_EQ(session.game.area(5).Command, "AA");
    EXPECT_EQ(session.game.area(5).Parm1, 0);
    EXPECT_EQ(session.game.area(5).Parm2, 0);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(WorkingCopyTest, ExtraSpyBlocksAndUnknownItemsArePassedOver) {
    EXPECT_TRUE(
        ReadText("QM012,1881,2\r\nSP\r\n1,2,3,4\r\nSP\r\n5,6,0,0\r\nSP\r\n7,8,9,10\r\n"
                 "XX\r\nDA\r\n 2 \r\nEND\r\n"));
    EXPECT_EQ(session.game.CommandList[1].P, (Params{0, 1, 2, 3, 4}));
    EXPECT_EQ(session.game.CommandList[2].P, (Params{0, 5, 6, 0, 0}));
    EXPECT_EQ(session.game.CommandList[3].Code, "DA");
    EXPECT_EQ(session.game.CommandCount, 3);
}

TEST_F(WorkingCopyTest, NoMoreListOrdersThanSlots) {
    QByteArray text = "QM012,1881,2\r\n";
    for (int i = 0; i < 98; ++i) text += "DN\r\n 1 \r\n";
    EXPECT_TRUE(ReadText(text + "END\r\n"));
    EXPECT_EQ(session.game.CommandCount, 100);

    Reset();
    EXPECT_FALSE(ReadText(text + "DN\r\n 1 \r\nEND\r\n"));
    ExpectNothingRestored();
}

struct BadCopy {
    const char* what;
    const char* body;  // after the header and two good orders
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

}  // namespace
}  // namespace qm
