#include "session/Turn.h"

#include "orders/AreaOrder.h"
#include "orders/CommandList.h"
#include "orders/MapClicks.h"
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

TEST_F(TurnTest, EarlierTurnsBesideTheReportJoinTheHistoryWhichIsShownWithoutTouchingTheTurn) {
    ReportText earlier, now;
    earlier.turn = "1";
    earlier.players[3][2] = "WNANN";
    earlier.areas = {{5, 3, 3, 1}, {12, 1, 2, 2}, {60, 3, 3, 3}, {7, 1, 0, 0}, {9, 1, 1, 3}};
    now.areas = {{5, 3, 0, 0}, {12, 2, 3, 1}, {60, 3, 3, 3}, {7, 1, 0, 0}};
    ASSERT_TRUE(turn.Open(reports.Write("1881-1/plyrdata.3", earlier.Build()), OpenedFrom::Dialog));
    EnterOrder();                                           // the army of 5 to 12, which it reaches
    game.area(60).Command = "MO", game.area(60).Parm1 = 7;  // the fleet, which does not
    ASSERT_TRUE(turn.Save());
    // A new archive, which only the import on open can fill.
    test::TempFolder fresh;
    session.archiveFolder = fresh.path();
    reports.Write("1881-1/plyrdata.7", "damaged");
    earlier.gameCode = "QM013";
    reports.Write("1881-1/plyrdata.2", earlier.Build());
    ASSERT_TRUE(
        turn.Open(reports.Write("1881-2/plyrdata.3", now.Build()), OpenedFrom::CommandLine));
    EXPECT_EQ(port.status,
              "3 earlier files of this game taken into its history; 2 files "
              "beside it were not (File > Import Turns tells why)");
    EXPECT_EQ(SightingText(game, session.map.lastSeen[9]),
              "last seen 1881.1: owner GRMN, GRMN fleet");
    EXPECT_EQ(SightingText(game, session.map.lastSeen[60]), "");  // shown now
    reports.Write("1881-1/ally/plyrdata.2", now.Build().replace("QM012,3,", "QM012,2,"));
    port.messages.clear();
    EXPECT_TRUE(turn.ImportTurns(reports.path()));
    ExpectOnly("Files taken into the game's history: 1 new, 4 kept already\n\nNot taken:\n" +
                   reports.path() + "1881-1/plyrdata.2: a report of game QM013\n" + reports.path() +
                   "1881-1/plyrdata.7: not a usable report",
               MessageIcon::Information);
    EXPECT_TRUE(fresh.Exists("QM012/3/1881-2/merged/plyrdata.2"));

    const auto changes = turn.Changes({"QM012", 3, 1881, 1}, {"QM012", 3, 1881, 2});
    ASSERT_TRUE(changes);
    QStringList lines;
    for (const ChangeLine& line : *changes) lines << line.text;
    EXPECT_EQ(lines.join('\n').toStdString(), R"(Areas that changed hands
12: GRMN to FRNC
Units
5: ENGL army vanished
12: FRNC corps is now a ENGL army
Relations
ENGL toward GRMN: N to W
Totals, then and now
Armies: 1 then, 1 now
Corps: 0 then, 0 now
Fleets: 1 then, 1 now
Squadrons: 0 then, 0 now
Land: 2 then, 2 now
Water: 0 then, 0 now
Max Sply: 0 then, 0 now
Free Sply: -4 then, -4 now
What became of your orders
Move of the army from 5 to 12: 12 now holds your army
Move of the fleet from 60 to 7: 7 holds no unit now)");

    session.interaction.SelectedArea = 12;
    SetAreaOrder(session.orders(), "MO", 5, 0);
    const auto revision = game.Revision;
    ASSERT_TRUE(turn.StepHistory(-1));
    EXPECT_EQ(game.TurnOfYear, 1);
    EXPECT_EQ(game.area(60).Command, "MO");  // its saved orders
    EXPECT_TRUE(port.title.endsWith(" - turn 1881.1 as it was"));
    EXPECT_FALSE(port.enabled(MenuCommand::Save) || port.enabled(MenuCommand::Orders));
    EXPECT_FALSE(turn.Save());
    MapDoubleClick(session.orders(), 5, "MO");
    EXPECT_TRUE(session.interaction.MapMode.isEmpty());
    EXPECT_FALSE(turn.StepHistory(-1));  // nothing earlier is kept
    ASSERT_TRUE(turn.StepHistory(1));
    EXPECT_FALSE(turn.HistoryShown());
    EXPECT_EQ(game.TurnOfYear, 2);
    EXPECT_EQ(game.area(12).Command, "MO");
    EXPECT_EQ(game.Revision.current, revision.current);
    EXPECT_TRUE(port.enabled(MenuCommand::Save));
}

}  // namespace
}  // namespace qm
