#include "files/ReportReader.h"

#include "state/Session.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;
using test::ReportText;
using Messages = std::vector<Message>;

const Message kInvalid{"Invalid File", MessageIcon::None};

class ReportReaderTest : public ::testing::Test {
protected:
    bool Read(const ReportText& report, const QString& name = "plyrdata.3") {
        folder.Write(name, report.Build());
        return ReadReport(session, folder.path(), name);
    }

    test::TempFolder folder;
    test::FakePort port;
    Session session{port};
    const GameState& game = session.game;
};

TEST_F(ReportReaderTest, ReadsHeaderPlayersAreasAndTitle) {
    folder.Write("PlyrData.3", ReportText{}.Build());
    ASSERT_TRUE(ReadReport(session, folder.path(), "plyrdata.3"));
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
    EXPECT_EQ(port.title, "QM012 England           Zez-QM             Date: 1881.2(6)");
    EXPECT_FALSE(port.menus.at(MenuCommand::VictoryConditions));
    // No orders were saved for this turn yet.
    EXPECT_EQ(port.messages, Messages({{"No old orders to read in", MessageIcon::None}}));

    ReportText first;
    first.year = "1880";
    first.turn = "1";
    ASSERT_TRUE(Read(first));
    EXPECT_TRUE(port.title.endsWith("Date: 1880.1(1)"));
    EXPECT_TRUE(port.menus.at(MenuCommand::VictoryConditions));
}

TEST_F(ReportReaderTest, GameCodeIsSearchedInTheFirstHundredItems) {
    ReportText report;
    report.preamble.clear();
    for (int i = 1; i <= 99; ++i) report.preamble << QString("item%1").arg(i);
    ASSERT_TRUE(Read(report)) << "code as the 100th item";

    report.preamble << "item100";
    EXPECT_FALSE(Read(report)) << "code as the 101st item";
    EXPECT_EQ(port.messages.back(), kInvalid);
}

TEST(GameCode, RangesCompareCharacterCodes) {
    for (const char* code :
         {"QM001", "QM999", "QM2001", "QM2999", "QMT001", "QMT999", "QM1", "QM5"})
        EXPECT_TRUE(IsGameCode(code)) << code;
    for (const char* code : {"qm001", "QM000", "QMA", "QMT000", "QMU", "QM", "", "QL999"})
        EXPECT_FALSE(IsGameCode(code)) << code;
}

TEST_F(ReportReaderTest, RelationsOfSevenPlayersAndShortLetters) {
    ReportText report;
    report.playerCount = "7";
    report.players.clear();
    for (int p = 0; p <= 7; ++p)
        report.players.push_back({"P", "Player", p == 2 ? "AWA" : "AWNAWNAW"});
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(game.player(6).Relation[7], QChar('W'));
    EXPECT_EQ(game.player(2).Relation[2], QChar('A'));
    for (int q = 3; q <= 7; ++q) EXPECT_TRUE(game.player(2).Relation[q].isNull()) << q;
    EXPECT_TRUE(game.player(7).Relation[0].isNull());
}

TEST_F(ReportReaderTest, NoAreasAndAnAreaListedTwice) {
    ReportText report;
    report.areas.clear();
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(game.area(1).Owner, kUnseenOwner);
    EXPECT_EQ(game.area(273).Owner, 0);

    report.areas = {{9, 1, 1, 1}, {9, 2, 2, 3}, {273, 4, 0, 0}};
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(game.area(9).Owner, 2);
    EXPECT_EQ(game.area(9).UnitType, 3);
    EXPECT_EQ(game.area(273).Owner, 4);
}

TEST_F(ReportReaderTest, SecondReportKeepsUnlistedUnitsAndOrders) {
    ReportText report;
    report.areas = {{30, 3, 3, 1}};
    ASSERT_TRUE(Read(report));
    session.game.area(30).Command = "MO";
    report.areas = {{31, 3, 3, 2}};
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(game.area(30).Owner, kUnseenOwner);
    EXPECT_EQ(game.area(30).UnitType, 1);
    EXPECT_EQ(game.area(30).Command, "MO");
}

// Every unusable report is refused and leaves the state as it was.
struct BadReport {
    const char* what;
    void (*spoil)(ReportText&);
    const char* message = "Invalid File";
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
    EXPECT_EQ(port.messages, Messages({{GetParam().message, MessageIcon::None}}));
    EXPECT_EQ(port.title, title);
    EXPECT_EQ(game.GameCode, before.GameCode);
    for (int i = 1; i <= kLastArea; ++i) {
        EXPECT_EQ(game.area(i).Owner, before.area(i).Owner) << i;
        EXPECT_EQ(game.area(i).UnitType, before.area(i).UnitType) << i;
    }
    EXPECT_EQ(game.player(1).ShortName, before.player(1).ShortName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReportReaderBadInput,
    ::testing::Values(BadReport{"no game code", [](ReportText& r) { r.gameCode = "XX012"; }},
                      BadReport{"player out of range",
                                [](ReportText& r) { r.currentPlayer = "13"; }},
                      BadReport{"negative player", [](ReportText& r) { r.currentPlayer = "-1"; }},
                      BadReport{"player count 13", [](ReportText& r) { r.playerCount = "13"; }},
                      BadReport{"year not a number", [](ReportText& r) { r.year = "MDCCC"; }},
                      BadReport{"year too large", [](ReportText& r) { r.year = "40000"; }},
                      BadReport{"turn of year 5", [](ReportText& r) { r.turn = "5"; }},
                      BadReport{"area 0",
                                [](ReportText& r) {
                                    r.areas = {{0, 1, 1, 1}};
                                }},
                      BadReport{"area 274",
                                [](ReportText& r) {
                                    r.areas = {{274, 1, 1, 1}};
                                }},
                      BadReport{"unit type 5",
                                [](ReportText& r) {
                                    r.areas = {{4, 1, 1, 5}};
                                }},
                      BadReport{"owner 13",
                                [](ReportText& r) {
                                    r.areas = {{4, 13, 1, 1}};
                                }},
                      BadReport{"negative area count", [](ReportText& r) { r.areaCount = "-1"; }},
                      // Refused like any other unusable report; the program keeps running.
                      BadReport{"too many areas", [](ReportText& r) { r.areaCount = "274"; },
                                "Area array too small info KVO"},
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
                      BadReport{"text in an area record",
                                [](ReportText& r) {
                                    r.trailer = "8,1,x,1";
                                    r.areaCount = "5";
                                }}),
    [](const auto& info) { return QString(info.param.what).replace(' ', '_').toStdString(); });

TEST_F(ReportReaderTest, MissingOrEmptyFileSetsNothing) {
    EXPECT_FALSE(ReadReport(session, folder.path(), "plyrdata.none"));
    folder.Write("plyrdata.empty", "");
    EXPECT_FALSE(ReadReport(session, folder.path(), "plyrdata.empty"));
    EXPECT_EQ(port.messages, Messages({kInvalid, kInvalid}));
    EXPECT_TRUE(port.title.isEmpty());
    EXPECT_EQ(game.GameCode, "");
}

}  // namespace
}  // namespace qm
