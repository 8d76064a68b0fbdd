// The bundled sample game, data/sample: every report reads cleanly on our map,
// every unit stands where its kind may, and every power pays its upkeep.

#include "files/ReportReader.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/Totals.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace qm {
namespace {

struct Seen {
    int owner, unitOwner, unitType;
    bool operator==(const Seen&) const = default;
};

struct TurnCase {
    const char* turn;
    int year, turnOfYear;
};

class SampleReportTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(SampleReportTest, EveryReportReadsAndHoldsALegalPosition) {
    const TurnCase& c = GetParam();
    std::map<int, Seen> master;  // what the reports say, area by area
    for (int player = 1; player <= 7; ++player) {
        SCOPED_TRACE("player " + std::to_string(player));
        // Read from a copy, so that nothing is written beside the shipped files.
        QFile source(QStringLiteral(ZEZ_DATA_DIR "/sample/%1/plyrdata.%2").arg(c.turn).arg(player));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray text = source.readAll();
        test::TempFolder folder;
        test::FakePort port;
        Session session{port};
        const QString name = QStringLiteral("plyrdata.%1").arg(player);
        folder.Write(name, text);
        ASSERT_TRUE(ReadReport(session.game, session.port, folder.path(), name) &&
                    LoadMapData(session.game, session.map, session.port,
                                {QStringLiteral(ZEZ_DATA_DIR "/")}));
        // The only word is that no orders were saved yet.
        EXPECT_EQ(port.messages,
                  (std::vector<test::Message>{{"No old orders to read in", MessageIcon::None}}));
        // The listed areas, straight from the file's area records.
        std::map<int, Seen> seenIn;
        bool areas = false;
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> items = line.trimmed().split(',');
            if (areas && items.size() == 4)
                seenIn[items[0].toInt()] = {items[1].toInt(), items[2].toInt(), items[3].toInt()};
            areas = areas || line.startsWith("Number of Areas =");
        }
        const GameState& game = session.game;
        EXPECT_EQ(std::tie(game.GameCode, game.CurrentPlayer, game.TurnYear, game.TurnOfYear,
                           game.PlayerCount),
                  std::make_tuple("QM042", player, c.year, c.turnOfYear, 8));

        // It shows the player's areas, the areas of its units, and their neighbours.
        std::set<int> expected, listed;
        for (const auto& [area, seen] : seenIn) {
            listed.insert(area);
            if (seen.owner == player || (seen.unitOwner == player && seen.unitType > 0)) {
                expected.insert(area);
                for (const int n : game.area(area).Neighbours)
                    if (n > 0) expected.insert(n);
            }
            const int type = game.area(area).AreaType;
            const bool landUnit = seen.unitType == kArmy || seen.unitType == kCorps;
            const bool ship = seen.unitType == kFleet || seen.unitType == kSquadron;
            EXPECT_TRUE(!landUnit || type == kLand || type == kCoast) << "army at sea in " << area;
            EXPECT_TRUE(!ship || type == kWater || type == kCoast) << "ship ashore in " << area;
            EXPECT_TRUE(seen.owner == 0 || (type != kNoEntry && area != kNeutralArea)) << area;
            // The reports of one turn agree with each other.
            EXPECT_EQ(master.emplace(area, seen).first->second, seen) << "disagree on " << area;
        }
        EXPECT_EQ(listed, expected);
        EXPECT_GE(ComputeTotals(game).FreeSupply, 0);
        if (c.turnOfYear > 1) continue;
        // The first turn: no treaties, and every power in its one home area.
        for (int q = 1; q <= 7; ++q)
            EXPECT_EQ(game.player(player).Relation[q], QChar(q == player ? 'A' : 'N'));
        EXPECT_EQ(std::count_if(seenIn.begin(), seenIn.end(),
                                [&](const auto& a) {
                                    return a.second.owner == player && game.area(a.first).HomeFlag;
                                }),
                  1);
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, SampleReportTest,
                         ::testing::Values(TurnCase{"1880-1", 1880, 1},
                                           TurnCase{"1882-3", 1882, 3}),
                         [](const auto& info) { return std::to_string(info.param.year); });

}  // namespace
}  // namespace qm
