#include "files/ReportMerge.h"

#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/MergeLog.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <QDir>

namespace qm {
namespace {

using Messages = std::vector<test::Message>;

const Messages kArea5Disagrees = {
    {"Owner for area  5 does not match previous data", MessageIcon::None},
    {"Unit owner in area  5 does not match previous data", MessageIcon::None},
    {"Unit type in area  5 does not match previous data", MessageIcon::None}};

std::vector<std::tuple<int, int, int>> Merged(const GameState& game) {
    std::vector<std::tuple<int, int, int>> fields;
    for (const AreaRecord& area : game.AreaTable)
        fields.emplace_back(area.Owner, area.UnitOwner, area.UnitType);
    return fields;
}

class ReportMergeTest : public ::testing::Test {
protected:
    // The loaded turn shows area 5 (England's army) and 273; the rest is unseen.
    ReportMergeTest() {
        for (int area = 1; area <= kLastArea; ++area) game.area(area).Owner = kUnseenOwner;
        game.area(273).Owner = 0;
        game.area(5).Owner = 3, game.area(5).UnitOwner = 3, game.area(5).UnitType = kArmy;
        game.area(9).Command = "MO";
    }
    bool Merge(const std::vector<test::ReportArea>& areas) {
        test::ReportText report;
        report.areas = areas;
        return MergeReportData(game, port, report.Build(), "plyrdata.4");
    }
    GameState game;
    test::FakePort port;
};

TEST_F(ReportMergeTest, FillsUnseenAreasAndTellsEveryDisagreementOwnerFirst) {
    const auto before = Merged(game);
    ASSERT_TRUE(Merge({{9, 2, 2, 3}, {5, 2, 0, 0}, {273, 0, 0, 0}}));
    EXPECT_EQ(Merged(game)[5], before[5]);  // the loaded values win
    EXPECT_EQ(game.area(9).Command, "MO");
    EXPECT_EQ(port.messages, kArea5Disagrees);
    // Filled areas are compared by the next merge.
    port.messages.clear();
    ASSERT_TRUE(Merge({{9, 2, 2, 1}}));
    EXPECT_EQ(port.messages,
              Messages({{"Unit type in area  9 does not match previous data", MessageIcon::None}}));

    // The log keeps all of it, the hover text tells where an area's values came from.
    game.area(5).Name = "Ardmoor";
    game.player(2).PlayerName = "Corvath";
    std::vector<QString> log;
    for (const MergeLogLine& line : MergeLogLines(game))
        log.push_back(line.text + QStringLiteral(" @") + QString::number(line.area));
    EXPECT_EQ(log,
              (std::vector<QString>{"plyrdata.4: 1 area filled in, 3 values seen otherwise @0",
                                    "  5 Ardmoor: owner player 3; plyrdata.4 says Corvath @5",
                                    "  5 Ardmoor: unit owner player 3; plyrdata.4 says neutral @5",
                                    "  5 Ardmoor: unit army; plyrdata.4 says none @5",
                                    "plyrdata.4: 0 areas filled in, 1 value seen otherwise @0",
                                    "  9: unit fleet; plyrdata.4 says army @9"}));
    EXPECT_TRUE(AreaHoverText(game, 9).contains(
        "; owner and unit from plyrdata.4; plyrdata.4 saw otherwise (View > Merge Log); order"));
    EXPECT_FALSE(AreaHoverText(game, 5).contains("from plyrdata"));
}

TEST_F(ReportMergeTest, EachFieldIsFilledAndComparedOnItsOwn) {
    ASSERT_TRUE(Merge({{9, 2, 3, 4}, {5, 2, 3, 1}, {5, 3, 2, 1}, {5, 3, 3, 4}}));
    EXPECT_EQ(Merged(game)[9], std::tuple(2, 3, 4));
    EXPECT_EQ(port.messages, kArea5Disagrees);
}

TEST_F(ReportMergeTest, OnlyAReportThatShowsAnAreaIsItsSourceAndFoldersTellLikeNamesApart) {
    const test::TempFolder first, second;
    test::ReportText report;
    report.areas = {{9, 12, 0, 0}, {10, 2, 2, 3}};  // 9 unseen here too
    first.Write("plyrdata.4", report.Build());
    report.areas = {{9, 1, 1, 1}, {5, 2, 3, 1}};
    second.Write("PLYRDATA.4", report.Build());
    ASSERT_TRUE(MergeReport(game, port, first.path(), "plyrdata.4"));
    EXPECT_EQ(FilledByReport(game.Merges, 9), "");
    ASSERT_TRUE(MergeReport(game, port, second.path(), "PLYRDATA.4"));
    const auto named = [](const QString& name, const test::TempFolder& folder) {
        return name + " (" + QDir::toNativeSeparators(folder.path().chopped(1)) + ")";
    };
    EXPECT_EQ(FilledByReport(game.Merges, 9), named("PLYRDATA.4", second));
    EXPECT_EQ(FilledByReport(game.Merges, 10), named("plyrdata.4", first));
    std::vector<QString> log;
    for (const MergeLogLine& line : MergeLogLines(game)) log.push_back(line.text);
    EXPECT_EQ(log, (std::vector<QString>{
                       named("plyrdata.4", first) + ": 1 area filled in, 0 values seen otherwise",
                       named("PLYRDATA.4", second) + ": 1 area filled in, 1 value seen otherwise",
                       "  5: owner player 3; " + named("PLYRDATA.4", second) + " says player 2"}));
    EXPECT_TRUE(AreaHoverText(game, 5).contains("; " + named("PLYRDATA.4", second) + " saw"));
}

TEST_F(ReportMergeTest, SkipsEverythingBeforeTheExactLabel) {
    const QByteArray text =
        "1,2,3\r\nnumber of areas =,5\r\nNumber of Areas =,1\r\n17,4,4,2\r\nx\r\n";
    ASSERT_TRUE(MergeReportData(game, port, text, "a"));
    EXPECT_EQ(game.area(17).UnitType, kCorps);
    std::vector<test::ReportArea> all;
    for (int area = 1; area <= kLastArea; ++area) all.push_back({area, 1, 1, 0});
    EXPECT_TRUE(Merge(all));  // exactly 273 is taken
}

struct Unusable {
    const char* name;
    QByteArray areas;  // what follows the header
    QString message;
};

class UnusableMergeTest : public ReportMergeTest, public ::testing::WithParamInterface<Unusable> {};

TEST_P(UnusableMergeTest, ChangesNothingAndNamesFileAndProblem) {
    const auto before = Merged(game);
    const QByteArray text = "\"Report\",QM012\r\n" + GetParam().areas;
    EXPECT_FALSE(MergeReportData(game, port, text, "plyrdata.4"));
    EXPECT_EQ(Merged(game), before);
    const bool tooMany = GetParam().message.startsWith("Area array");
    EXPECT_EQ(port.messages,
              Messages({{GetParam().message, tooMany ? MessageIcon::None : MessageIcon::Stop}}));
}

const QString kNothing = "Nothing was merged from plyrdata.4: ";

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableMergeTest,
    ::testing::Values(Unusable{"NoLabel", "Areas,2\r\n",
                               kNothing + "it has no line \"Number of Areas =\"."},
                      Unusable{"TooMany", "Number of Areas =,274\r\n9,1,1,1\r\n",
                               "Area array too small info KVO"},
                      Unusable{"EndsEarly", "Number of Areas =,2\r\n9,1,1,1\r\n10,1\r\n",
                               kNothing + "the file ends early."},
                      Unusable{"TextForNumber", "Number of Areas =,2\r\n9,1,1,1\r\n10,x,1,1\r\n",
                               kNothing + "text where a number belongs (line 4)."},
                      Unusable{"Area274", "Number of Areas =,1\r\n274,1,1,1\r\n",
                               kNothing + "an area number is not from 1 to 273 (line 3)."},
                      Unusable{"Owner13", "Number of Areas =,2\r\n9,1,1,1\r\n10,13,1,1\r\n",
                               kNothing + "an owner is not a player from 0 to 12 (line 4)."},
                      Unusable{"UnitType5", "Number of Areas =,1\r\n9,1,1,5\r\n",
                               kNothing + "a unit type is not from 0 to 4 (line 3)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportMergeTest, AFileThatCannotBeReadIsNamed) {
    EXPECT_FALSE(MergeReport(game, port, test::TempFolder().path(), "plyrdata.9"));
    EXPECT_EQ(port.messages, Messages({{kNothing.left(24) + "plyrdata.9: the file cannot be read.",
                                        MessageIcon::Stop}}));
}

}  // namespace
}  // namespace qm
