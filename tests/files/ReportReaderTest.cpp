#include "files/ReportReader.h"

#include "io/FileNames.h"
#include "support/CaseName.h"
#include "support/FakePort.h"
#include "support/GameAndPort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::ReportText;
using Messages = std::vector<test::Message>;

class ReportReaderTest : public ::testing::Test {
protected:
    bool Read(const QByteArray& text, const QString& name = "plyrdata.3") {
        folder.Write(name, text);
        return ReadReport(session.game, session.port, folder.path(), name.toLower());
    }
    std::pair<int, int> OwnerAndUnit(int n) const {
        return {game.area(n).Owner, game.area(n).UnitType};
    }

    test::TempFolder folder;
    test::FakePort port;
    test::GameAndPort session{port};
    const GameState& game = session.game;
};

TEST_F(ReportReaderTest, ReadsHeaderPlayersAreasAndTitle) {
    ASSERT_TRUE(Read(ReportText{}.Build(), "PlyrData.3"));
    // The title shows the game code, the current player's name, year and turn.
    EXPECT_EQ(port.title, "QM012 England           Zez-QM             Date: 1881.2(6)");
    EXPECT_EQ(game.PlayerIdent, "Player three, 12 Rue de Paris");
    EXPECT_EQ(game.player(2).ShortName, "FRNC");
    EXPECT_EQ(QString(game.player(2).Relation.data(), 6), QString("AAWNN") + QChar());
    EXPECT_TRUE(game.player(4).Relation[0].isNull());  // the last record's letters are not split
    EXPECT_EQ(OwnerAndUnit(12), std::pair(2, 2));
    EXPECT_EQ(game.area(6).Owner, kUnseenOwner);
    EXPECT_EQ(port.messages, Messages({{"No old orders to read in", MessageIcon::None}}));

    // The next report no longer shows area 12: its unit and order stay.
    session.game.area(12).Command = "MO";
    ReportText next;
    next.year = "1880", next.turn = "1";
    next.areas = {{9, 1, 1, 1}, {9, 2, 2, 3}};  // listed twice: the last one counts
    ASSERT_TRUE(Read(next.Build(), "plyrdata.4"));
    EXPECT_TRUE(port.title.endsWith("Date: 1880.1(1)"));
    EXPECT_EQ(OwnerAndUnit(9), std::pair(2, 3));
    EXPECT_EQ(OwnerAndUnit(12), std::pair(int{kUnseenOwner}, 2));
    EXPECT_EQ(game.area(12).Command, "MO");
    next.turn = "4";  // a year has four turns
    ASSERT_TRUE(Read(next.Build(), "plyrdata.4"));
    EXPECT_TRUE(port.title.endsWith("Date: 1880.4(4)"));
}

TEST_F(ReportReaderTest, GameCodeIsSearchedInTheFirstHundredItems) {
    ReportText report;
    report.preamble.clear();
    for (int i = 1; i <= 99; ++i) report.preamble << QString("item%1").arg(i);
    ASSERT_TRUE(Read(report.Build())) << "code as the 100th item";
    report.preamble << "item100";
    EXPECT_FALSE(Read(report.Build())) << "code as the 101st item";
    EXPECT_EQ(port.messages.back(), (test::Message{"Invalid File", MessageIcon::None}));
}

TEST(GameCode, RangesCompareCharacterCodes) {
    for (const char* code : {"QM001", "QM999", "QM2001", "QM2999", "QMT001", "QMT999", "QM5"})
        EXPECT_TRUE(IsGameCode(code)) << code;
    for (const char* code : {"qm001", "QM000", "QMA", "QMT000", "QMU", "QM", "QL999"})
        EXPECT_FALSE(IsGameCode(code)) << code;
}

// Every unusable report is refused and leaves the state as it was. Each case
// spoils the default report by one replacement.
class ReportReaderBadInput
    : public ReportReaderTest,
      public ::testing::WithParamInterface<std::tuple<const char*, const char*, const char*>> {};

TEST_P(ReportReaderBadInput, IsRefusedAndChangesNothing) {
    const auto [pattern, replacement, message] = GetParam();
    ReportText good;
    good.gameCode = "QM077";
    good.areas = {{20, 3, 3, 4}};
    ASSERT_TRUE(Read(good.Build()));
    port.messages.clear();
    const QString title = port.title;
    const GameState before = session.game;

    const QRegularExpression spoil(pattern, QRegularExpression::DotMatchesEverythingOption);
    EXPECT_FALSE(Read(QString(ReportText{}.Build()).replace(spoil, replacement).toLatin1()));
    EXPECT_EQ(port.messages, Messages({{message, MessageIcon::None}}));
    EXPECT_EQ(port.title, title);
    for (int i = 1; i <= kLastArea; ++i)
        EXPECT_EQ(OwnerAndUnit(i).first, before.area(i).Owner) << i;
    EXPECT_EQ(OwnerAndUnit(20), std::pair(3, 4));
    EXPECT_EQ(game.player(1).ShortName, before.player(1).ShortName);
}

constexpr const char* kInvalid = "Invalid File";

TEST_F(ReportReaderTest, SixteenMebibytesAreReadAndRefusedOneByteMoreIsNotRead) {
    for (qint64 size : {kMaxInputFileSize, kMaxInputFileSize + 1}) {
        port.messages.clear();
        EXPECT_FALSE(Read(QByteArray(size, 'x')));
        EXPECT_EQ(port.messages, Messages({{kInvalid, MessageIcon::None}}));
        EXPECT_EQ(game.GameCode, "");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ReportReaderBadInput, ::testing::Values(
    std::tuple{".*", "", kInvalid},  // an empty file
    std::tuple{"QM012", "XX012", kInvalid},
    std::tuple{"QM012,3", "QM012,13", kInvalid},
    std::tuple{"Players\",4", "Players\",13", kInvalid},
    std::tuple{"1881,", "40000,", kInvalid},
    std::tuple{"1881,2", "1881,5", kInvalid},
    std::tuple{"\n5,3,3,1", "\n274,3,3,1", kInvalid},
    std::tuple{"5,3,3,1", "5,3,3,5", kInvalid},
    std::tuple{"5,3,3,1", "5,3,x,1", kInvalid},
    // Refused like any other unusable report; the program keeps running.
    std::tuple{"=,4", "=,274", "Area array too small info KVO"},
    std::tuple{"ENGL.*", "", kInvalid},
    std::tuple{"7,1,0,0.*", "", kInvalid}),
    [](const auto& i) {
        const QString by = std::get<1>(i.param);
        return test::CaseName(i.index, by.isEmpty() ? "cut at " + QString(std::get<0>(i.param)) : by);
    });
// clang-format on

}  // namespace
}  // namespace qm
