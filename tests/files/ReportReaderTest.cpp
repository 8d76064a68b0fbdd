#include "files/ReportReader.h"

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

class ReportReaderTest : public ::testing::Test {
protected:
    bool Read(const ReportText& report, const QString& name = "plyrdata.3") {
        folder.Write(name, report.Build());
        return ReadReport(session, folder.path(), name);
    }

    TempFolder folder;
    FakePort port;
    Session session{port};
};

TEST_F(ReportReaderTest, ReadsHeaderPlayersAndAreas) {
    ASSERT_TRUE(Read(ReportText{}));
    const GameState& game = session.game;
    EXPECT_EQ(game.GameCode, "QM012");
    EXPECT_EQ(game.CurrentPlayer, 3);
    EXPECT_EQ(game.PlayerIdent, "Player three, 12 Rue de Paris");
    EXPECT_EQ(game.TurnYear, 1881);
    EXPECT_EQ(game.TurnOfYear, 2);
    EXPECT_EQ(game.PlayerCount, 4);
    EXPECT_EQ(game.player(2).ShortName, "FRNC");
    EXPECT_EQ(game.player(2).PlayerName, "France");
    EXPECT_EQ(game.player(2).Relation[0], QChar('A'));
    EXPECT_EQ(game.player(2).Relation[2], QChar('W'));
    EXPECT_EQ(game.player(2).Relation[4], QChar('N'));
    // The last record's letters are read but not split.
    EXPECT_EQ(game.player(4).ShortName, "LAST");
    EXPECT_TRUE(game.player(4).Relation[0].isNull());

    EXPECT_EQ(game.area(12).Owner, 2);
    EXPECT_EQ(game.area(12).UnitOwner, 3);
    EXPECT_EQ(game.area(12).UnitType, 2);
    EXPECT_EQ(game.area(6).Owner, kUnseenOwner);
    EXPECT_EQ(game.area(273).Owner, 0);
    EXPECT_EQ(game.CommandCount, 2);
    // No orders were saved for this turn yet.
    EXPECT_EQ(port.messages,
              (std::vector<Message>{{"No old orders to read in", MessageIcon::None}}));
}

TEST_F(ReportReaderTest, TitleHasItsBlanksAndSignPlace) {
    ASSERT_TRUE(Read(ReportText{}));
    EXPECT_EQ(port.title, "QM012 England           Zez-QM             Date: 1881.2(6)");

    ReportText first;
    first.year = "1880";
    first.turn = "1";
    ASSERT_TRUE(Read(first));
    EXPECT_TRUE(port.title.endsWith("Date: 1880.1(1)"));
}

TEST_F(ReportReaderTest, VictoryConditionsOnlyOnTheFirstTurn) {
    ReportText report;
    report.year = "1880";
    report.turn = "1";
    ASSERT_TRUE(Read(report));
    EXPECT_TRUE(port.menus.at(MenuCommand::VictoryConditions));
    report.turn = "2";
    ASSERT_TRUE(Read(report));
    EXPECT_FALSE(port.menus.at(MenuCommand::VictoryConditions));
}

TEST_F(ReportReaderTest, GameCodeIsSearchedInTheFirstHundredItems) {
    ReportText report;
    report.preamble.clear();
    for (int i = 1; i <= 99; ++i) report.preamble << QString("item%1").arg(i);
    ASSERT_TRUE(Read(report)) << "code as the 100th item";

    report.preamble << "item100";
    EXPECT_FALSE(Read(report)) << "code as the 101st item";
    EXPECT_EQ(port.messages.back(), (Message{"Invalid File", MessageIcon::None}));
}

TEST_F(ReportReaderTest, GameCodeRangesCompareCharacterCodes) {
    for (const char* code : {"QM001", "QM999", "QM2001", "QM2999", "QMT001", "QMT999", "QM1", "QM5"})
        EXPECT_TRUE(IsGameCode(code)) << code;
    for (const char* code : {"qm001", "QM000", "QMA", "QMT000", "QMU", "QM", "", "QL999"})
        EXPECT_FALSE(IsGameCode(code)) << code;
}

TEST_F(ReportReaderTest, RelationsOfSevenPlayersAndShortLetters) {
    ReportText report;
    report.playerCount = "7";
    report.players.clear();
    for (int p = 0; p <= 7; ++p)
        report.players.push_back({QString("P%1").arg(p), QString("Player %1").arg(p),
                                  p == 2 ? "AWA" : "AWNAWNAW"});
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(session.game.player(6).Relation[7], QChar('W'));
    EXPECT_EQ(session.game.player(2).Relation[2], QChar('A'));
    for (int q = 3; q <= 7; ++q) EXPECT_TRUE(session.game.player(2).Relation[q].isNull()) << q;
    EXPECT_TRUE(session.game.player(7).Relation[0].isNull());
}

TEST_F(ReportReaderTest, NoAreasAndAnAreaListedTwice) {
    ReportText report;
    report.areas.clear();
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(session.game.area(1).Owner, kUnseenOwner);
    EXPECT_EQ(session.game.area(273).Owner, 0);

    report.areas = {{9, 1, 1, 1}, {9, 2, 2, 3}, {273, 4, 0, 0}};
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(session.game.area(9).Owner, 2);
    EXPECT_EQ(session.game.area(9).UnitType, 3);
    EXPECT_EQ(session.game.area(273).Owner, 4);
}

TEST_F(ReportReaderTest, FileNameMatchedWithoutRegardToCase) {
    folder.Write("PlyrData.ABC", ReportText{}.Build());
    EXPECT_TRUE(ReadReport(session, folder.path(), "plyrdata.abc"));
}

// Every unusable report says "Invalid File" and leaves the state as it was.
struct BadReport {
    const char* what;
    void (*spoil)(ReportText&);
};

class ReportReaderBadInput : public ReportReaderTest,
                             public ::testing::WithParamInterface<BadReport> {};

TEST_P(ReportReaderBadInput, IsRefusedAndChangesNothing) {
    ReportText good;
    good.gameCode = "QM077";
    good.areas = {{20, 3, 3, 4}};
    ASSERT_TRUE(Read(good));
    port.messages.clear();
    const QString title = port.title;
    const GameState before = session.game;

    ReportText bad;
    GetParam().spoil(bad);
    EXPECT_FALSE(Read(bad, "plyrdata.bad"));
    EXPECT_EQ(port.messages, (std::vector<Message>{{"Invalid File", MessageIcon::None}}));
    EXPECT_EQ(port.title, title);
    EXPECT_EQ(session.game.GameCode, before.GameCode);
    for (int i = 1; i <= kLastArea; ++i) {
        EXPECT_EQ(session.game.area(i).Owner, before.area(i).Owner) << i;
        EXPECT_EQ(session.game.area(i).UnitType, before.area(i).UnitType) << i;
    }
    EXPECT_EQ(session.game.player(1).ShortName, before.player(1).ShortName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReportReaderBadInput,
    ::testing::Values(
        BadReport{"no game code", [](ReportText& r) { r.gameCode = "XX012"; }},
        BadReport{"player out of range", [](ReportText& r) { r.currentPlayer = "13"; }},
        BadReport{"negative player", [](ReportText& r) { r.currentPlayer = "-1"; }},
        BadReport{"player count 13", [](ReportText& r) { r.playerCount = "13"; }},
        BadReport{"year not a number", [](ReportText& r) { r.year = "MDCCC"; }},
        BadReport{"year too large", [](ReportText& r) { r.year = "40000"; }},
        BadReport{"turn of year 5", [](ReportText& r) { r.turn = "5"; }},
        BadReport{"area 0", [](ReportText& r) { r.areas = {{0, 1, 1, 1}}; }},
        BadReport{"area 274", [](ReportText& r) { r.areas = {{274, 1, 1, 1}}; }},
        BadReport{"unit type 5", [](ReportText& r) { r.areas = {{4, 1, 1, 5}}; }},
        BadReport{"owner 13", [](ReportText& r) { r.areas = {{4, 13, 1, 1}}; }},
        BadReport{"negative area count", [](ReportText& r) { r.areaCount = "-1"; }},
        BadReport{"ends in the players",
                  [](ReportText& r) {
                      r.players.resize(2);
                      r.areas.clear();
                      r.areaCount = " ";
                      r.trailer = "";
                  }},
        BadReport{"ends in the areas",
                  [](ReportText& r) {
                      r.areaCount = "9";
                      r.trailer = "";
                  }},
        BadReport{"text in an area record", [](ReportText& r) { r.trailer = "8,1,x,1"; r.areaCount = "5"; }}),
    [](const auto& info) {
        QString name = info.param.what;
        return name.replace(' ', '_').toStdString();
    });

TEST_F(ReportReaderTest, TooManyAreasIsRefusedNotFatal) {
    ReportText report;
    report.areaCount = "274";
    EXPECT_FALSE(Read(report));
    EXPECT_EQ(port.messages,
              (std::vector<Message>{{"Area array too small info KVO", MessageIcon::None}}));
    EXPECT_TRUE(port.title.isEmpty());
    EXPECT_EQ(session.game.GameCode, "");
}

TEST_F(ReportReaderTest, MissingFileAndEmptyFile) {
    EXPECT_FALSE(ReadReport(session, folder.path(), "plyrdata.none"));
    folder.Write("plyrdata.empty", "");
    EXPECT_FALSE(ReadReport(session, folder.path(), "plyrdata.empty"));
    EXPECT_EQ(port.messages, (std::vector<Message>{{"Invalid File", MessageIcon::None},
                                                   {"Invalid File", MessageIcon::None}}));
}

TEST_F(ReportReaderTest, SecondReportKeepsUnlistedUnitsAndOrders) {
    ReportText first;
    first.areas = {{30, 3, 3, 1}};
    ASSERT_TRUE(Read(first));
    session.game.area(30).Command = "MO";
    ReportText second;
    second.areas = {{31, 3, 3, 2}};
    ASSERT_TRUE(Read(second));
    EXPECT_EQ(session.game.area(30).Owner, kUnseenOwner);
    EXPECT_EQ(session.game.area(30).UnitType, 1);
    EXPECT_EQ(session.game.area(30).Command, "MO");
}

}  // namespace
}  // namespace qm
