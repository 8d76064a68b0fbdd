#include "files/ReportReader.h"

#include "state/Session.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <QRegularExpression>

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
    // Player p's relation letters toward players 0..last, "." for none.
    QString Letters(int p, int last) const {
        QString letters;
        for (int q = 0; q <= last; ++q) {
            const QChar c = game.player(p).Relation[static_cast<std::size_t>(q)];
            letters += c.isNull() ? QChar('.') : c;
        }
        return letters;
    }

    test::TempFolder folder;
    test::FakePort port;
    Session session{port};
    const GameState& game = session.game;
};

TEST_F(ReportReaderTest, ReadsHeaderPlayersAreasAndTitle) {
    folder.Write("PlyrData.3", ReportText{}.Build());
    ASSERT_TRUE(ReadReport(session, folder.path(), "plyrdata.3"));
    // The title shows the game code, the current player's name, year and turn.
    EXPECT_EQ(port.title, "QM012 England           Zez-QM             Date: 1881.2(6)");
    EXPECT_EQ(game.PlayerIdent, "Player three, 12 Rue de Paris");
    EXPECT_EQ(game.PlayerCount, 4);
    EXPECT_EQ(game.player(2).ShortName, "FRNC");
    EXPECT_EQ(game.player(2).PlayerName, "France");
    EXPECT_EQ(Letters(2, 5), "AAWNN.");
    EXPECT_EQ(game.player(4).ShortName, "LAST");
    EXPECT_EQ(Letters(4, 0), ".");  // the last record's letters are read but not split
    EXPECT_EQ(game.area(12).Owner, 2);
    EXPECT_EQ(game.area(12).UnitOwner, 3);
    EXPECT_EQ(game.area(12).UnitType, 2);
    EXPECT_EQ(game.area(6).Owner, kUnseenOwner);
    EXPECT_EQ(game.area(273).Owner, 0);
    EXPECT_EQ(game.CommandCount, 2);
    EXPECT_FALSE(port.menus.at(MenuCommand::VictoryConditions));
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

TEST_F(ReportReaderTest, SevenPlayersShortLettersAndAreasListedTwiceOrNoMore) {
    ReportText report;
    report.playerCount = "7";
    report.players.assign(8, {"P", "Player", "AWNAWNAW"});
    report.players[2][2] = "AWA";
    report.areas = {{30, 3, 3, 1}};
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(Letters(6, 7), "AWNAWNAW");
    EXPECT_EQ(Letters(2, 7), "AWA.....");
    EXPECT_EQ(Letters(7, 0), ".");

    // The next report no longer shows area 30: its unit and order stay.
    session.game.area(30).Command = "MO";
    report.areas = {{9, 1, 1, 1}, {9, 2, 2, 3}, {273, 4, 0, 0}};
    ASSERT_TRUE(Read(report));
    EXPECT_EQ(game.area(9).Owner, 2);
    EXPECT_EQ(game.area(9).UnitType, 3);
    EXPECT_EQ(game.area(273).Owner, 4);
    EXPECT_EQ(game.area(30).Owner, kUnseenOwner);
    EXPECT_EQ(game.area(30).UnitType, 1);
    EXPECT_EQ(game.area(30).Command, "MO");
}

// Every unusable report is refused and leaves the state as it was. Each case
// spoils the default report by one replacement.
struct BadReport {
    const char* what;
    const char* pattern;
    const char* replacement;
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

    const QRegularExpression pattern(GetParam().pattern,
                                     QRegularExpression::DotMatchesEverythingOption);
    folder.Write("plyrdata.bad",
                 QString(ReportText{}.Build()).replace(pattern, GetParam().replacement).toLatin1());
    EXPECT_FALSE(ReadReport(session, folder.path(), "plyrdata.bad"));
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
    ::testing::Values(BadReport{"no_game_code", "QM012", "XX012"},
                      BadReport{"player_13", "QM012,3", "QM012,13"},
                      BadReport{"negative_player", "QM012,3", "QM012,-1"},
                      BadReport{"player_count_13", "Players\",4", "Players\",13"},
                      BadReport{"year_not_a_number", "1881,", "MDCCC,"},
                      BadReport{"year_too_large", "1881,", "40000,"},
                      BadReport{"turn_of_year_5", "1881,2", "1881,5"},
                      BadReport{"area_0", "\n5,3,3,1", "\n0,3,3,1"},
                      BadReport{"area_274", "\n5,3,3,1", "\n274,3,3,1"},
                      BadReport{"unit_type_5", "5,3,3,1", "5,3,3,5"},
                      BadReport{"owner_13", "5,3,3,1", "5,13,3,1"},
                      BadReport{"text_in_an_area", "5,3,3,1", "5,3,x,1"},
                      BadReport{"negative_area_count", "=,4", "=,-1"},
                      // Refused like any other unusable report; the program keeps running.
                      BadReport{"too_many_areas", "=,4", "=,274", "Area array too small info KVO"},
                      BadReport{"ends_in_the_players", "ENGL.*", ""},
                      BadReport{"ends_in_the_areas", "7,1,0,0.*", ""}),
    [](const auto& info) { return std::string(info.param.what); });

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
