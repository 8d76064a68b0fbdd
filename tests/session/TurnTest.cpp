#include "session/Turn.h"

#include "orders/AreaOrder.h"
#include "orders/CommandList.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;
using test::ReportText;

class TurnTest : public ::testing::Test {
protected:
    TurnTest() { session.recoveryFolder = recovery.path(), session.archiveFolder = archive.path(); }

    QString Report(const ReportText& report = {}) {
        return reports.Write("plyrdata.3", report.Build());
    }
    // Opens a report as the command line does; what opening tells is not the test's.
    void Open(const ReportText& report = {}) {
        ASSERT_TRUE(turn.Open(Report(report), OpenedFrom::CommandLine));
        port.messages.clear();
    }
    void ExpectOnly(const QString& text, MessageIcon icon) {
        EXPECT_EQ(port.messages, (std::vector<Message>{{text, icon}}));
    }
    void EnterOrder() {
        session.interaction.SelectedArea = 5;
        SetAreaOrder(session.orders(), "MO", 12, 0);
        port.messages.clear();  // the owner warning of the move
    }
    std::vector<bool> Menus() const {
        std::vector<bool> shown;
        using enum MenuCommand;
        for (MenuCommand command : {Open, Recent, Merge, Save, ExportMap, Undo, VictoryConditions})
            shown.push_back(port.enabled(command));
        return shown;
    }

    test::TempFolder reports, others, recovery, settings, archive;
    test::FakePort port;
    Session session{port};
    GameState& game = session.game;
    Turn turn{session, settings.path() + "recent.ini"};
};

TEST_F(TurnTest, OpenOverALoadedGameKeepsNothingOfItAndMenusFollowTheFirstTurnAndMerge) {
    turn.Start();
    // Open, recent, merge, save, export, undo, victory conditions.
    EXPECT_EQ(Menus(), (std::vector<bool>{true, true, false, false, false, false, false}));
    const QString loaded = Report();
    ASSERT_TRUE(turn.Open(loaded, OpenedFrom::CommandLine));
    EXPECT_EQ(Menus(), (std::vector<bool>{true, true, true, true, false, false, false}));
    EXPECT_EQ(port.turnChanges, std::vector<TurnChange>{TurnChange::OpenedWithoutMap});
    EnterOrder();
    session.history.Record(game, [&] {
        SetAreaOrder(session.orders(), "MO", 13, 0);
        AddCommand(game, port, "DW", 1, 0, 0, 0);
    });
    EXPECT_TRUE(port.enabled(MenuCommand::Undo));

    // Another game's first turn, in another folder: nothing of the loaded one is kept.
    const ReportText first{
        .gameCode = "QM099", .year = "1880", .turn = "1", .areas = {{7, 1, 0, 0}}};
    const QString firstTurn = others.Write("plyrdata.1", first.Build());
    port.replies = {Answer::Discard};
    ASSERT_TRUE(turn.Open(firstTurn, OpenedFrom::Dialog));
    EXPECT_EQ(std::tuple(game.GameCode, game.ReportDir), std::tuple("QM099", others.path()));
    EXPECT_EQ(std::tuple(game.area(5).Command, game.area(5).UnitType, game.CommandCount),
              std::tuple("", 0, 2));
    EXPECT_TRUE(game.CommandList[3].IsEmpty());
    EXPECT_EQ(session.interaction.SelectedArea, 0);
    EXPECT_FALSE(OrdersChanged(game));
    EXPECT_EQ(Menus(), (std::vector<bool>{false, false, true, true, false, false, true}));
    EXPECT_FALSE(turn.OpenRecent(0));  // recent reports follow Open
    EXPECT_EQ(port.recent, (std::vector<QString>{firstTurn, loaded}));  // the latest first

    Turn again{session, settings.path() + "recent.ini"};
    ASSERT_TRUE(again.Open(firstTurn, OpenedFrom::CommandLine));
    ASSERT_TRUE(again.Merge(others.Write("plyrdata.2", first.Build())));
    EXPECT_FALSE(port.enabled(MenuCommand::Open) || port.enabled(MenuCommand::Recent));
    EXPECT_EQ(port.turnChanges.back(), TurnChange::Merged);
}

TEST_F(TurnTest, LeavingAsksOnlyAboutChangedOrdersAndEachAnswerDoesWhatItSays) {
    Open();
    EXPECT_TRUE(turn.Leave());
    EXPECT_TRUE(port.asked.empty());
    EXPECT_EQ(port.orderWindowsClosed, 2);  // before the open and before leaving
    EnterOrder();
    turn.KeepRecoveryCopy();
    const Question question{"Save the orders of this turn?",
                            {Answer::Save, Answer::Discard, Answer::Cancel},
                            Answer::Save};
    port.replies = {Answer::Cancel, Answer::Discard};
    EXPECT_FALSE(turn.Leave());
    EXPECT_TRUE(recovery.Exists("QM012-3-1881-2.tmp"));
    EXPECT_TRUE(turn.Leave());
    EXPECT_FALSE(recovery.Exists("QM012-3-1881-2.tmp"));
    EXPECT_FALSE(reports.Exists("commands.dat"));
    EXPECT_EQ(port.asked, (std::vector<Question>{question, question}));
    port.replies = {Answer::Save};
    EXPECT_TRUE(turn.Leave());
    EXPECT_TRUE(reports.Read("commands.dat").contains("MO  5 "));
}

TEST_F(TurnTest, UndoWaitsForTheWindowsThatKeepOrdersOfTheirOwn) {
    Open();
    session.history.Record(game, [&] { EnterOrder(); });
    port.orderWindowsOpen = true;
    EXPECT_FALSE(turn.Undo());
    ExpectOnly(QString::fromUtf16(kUndoRefusal), MessageIcon::Information);
    EXPECT_EQ(game.area(5).Command, "MO");
    port.orderWindowsOpen = false;
    EXPECT_TRUE(turn.Undo());
}

TEST_F(TurnTest, CallsToArmsWaitForTheFourthTurn) {
    Open({.year = "1880", .turn = "3"});
    EXPECT_FALSE(turn.MayCallToArms());
    ExpectOnly("Can't declare war or call to arms on the first three turns",
               MessageIcon::Information);
    game.TurnOfYear = 4;
    EXPECT_TRUE(turn.MayCallToArms());
}

TEST_F(TurnTest, AnotherPlayersOrdersAreNotReadInAndNotReplacedUnasked) {
    const QByteArray theirs = "KVOSTART\r\nQM012\r\nPlayer two, Rome\r\n\r\nKVOEND\r\n";
    reports.Write("commands.dat", theirs);
    reports.Write("orders.tmp", "QM012 ,1881 ,2\r\nAA\r\n 5\r\nEND\r\n");
    ASSERT_TRUE(turn.Open(Report(), OpenedFrom::Dialog));
    EXPECT_EQ(game.area(5).Command, "");
    port.messages.resize(2);  // the map data's absence follows
    EXPECT_EQ(port.messages,
              (std::vector<Message>{
                  {"No old orders to read in", MessageIcon::None},
                  {"The orders in this folder are another player's (Player two, Rome); they were "
                   "not read in",
                   MessageIcon::Information}}));
    EnterOrder();
    port.replies = {Answer::No};
    EXPECT_FALSE(turn.Save());
    EXPECT_EQ(reports.Read("commands.dat"), theirs);
    ASSERT_EQ(port.asked.size(), 1u);
    EXPECT_EQ(port.asked[0].defaultAnswer, Answer::No);
    port.replies = {Answer::Yes};
    EXPECT_TRUE(turn.Save());
    EXPECT_TRUE(reports.Read("commands.dat").contains("Player three"));
}

TEST_F(TurnTest, FailuresToKeepTheRecoveryCopyOrTheSettingsAreTold) {
    const QString blocked = settings.Write("file", "not a folder") + "/";
    session.recoveryFolder = blocked;
    Open();
    EnterOrder();
    turn.KeepRecoveryCopy();
    MarkOrdersChanged(game);
    turn.KeepRecoveryCopy();  // told once
    ExpectOnly("The recovery copy could not be written to " + blocked +
                   "QM012-3-1881-2.tmp; the orders entered since the last Save are kept only "
                   "until the program ends",
               MessageIcon::Exclamation);
    port.replies = {Answer::Discard};
    EXPECT_TRUE(turn.Exit(blocked + "win-qm.ini"));
    EXPECT_EQ(port.messages.back(),
              (Message{"Could not write " + blocked +
                           "win-qm.ini; the map settings of this run are not kept",
                       MessageIcon::Exclamation}));
}

TEST_F(TurnTest, TheHistoryKeepsEveryReportAndSavedPairOnceAndItsFailureStopsNothing) {
    Open();
    const QString kept = "QM012/3/1881-2/";
    EXPECT_EQ(archive.Read(kept + "plyrdata.3"), reports.Read("plyrdata.3"));
    const QByteArray ally = ReportText{}.Build().replace("QM012,3,", "QM012,2,");
    ASSERT_TRUE(turn.Merge(others.Write("plyrdata.2", ally)));
    EXPECT_EQ(archive.Read(kept + "merged/plyrdata.2"), ally);
    EnterOrder();
    ASSERT_TRUE(turn.Save());
    for (const char* name : {"commands.dat", "orders.tmp"}) {
        EXPECT_EQ(archive.Read(kept + name), reports.Read(name)) << name;
        EXPECT_EQ(KeepInArchive(archive.path() + kept, name, reports.Read(name)),
                  CopyWrite::Unchanged);
    }
    EXPECT_EQ(ReportTurnOf("QM012,3\r\n"), std::nullopt);

    session.archiveFolder = settings.Write("file", "not a folder") + "/";
    port.messages.clear();
    EXPECT_TRUE(turn.Save());
    EXPECT_TRUE(turn.Save());  // told once
    ExpectOnly("The game's history could not be kept in " + session.archiveFolder +
                   "; the turn is opened and saved as always",
               MessageIcon::Exclamation);
}

}  // namespace
}  // namespace qm
