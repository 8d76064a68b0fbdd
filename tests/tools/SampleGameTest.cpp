// The bundled sample game, data/sample: every report reads cleanly on our map,
// every unit stands where its kind may, every power pays its upkeep, and the
// report that ./dev run opens is worth playing.

#include "files/ReportReader.h"
#include "map/MapDataFiles.h"
#include "state/Session.h"
#include "state/Totals.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qm {
namespace {

struct Seen {
    int owner, unitOwner, unitType;
    bool operator==(const Seen&) const = default;
};

// One report read into a fresh session, from a copy in a temporary folder so
// that nothing is written beside the shipped files.
struct LoadedReport {
    LoadedReport(const QString& turn, int player) {
        QFile source(QStringLiteral(ZEZ_DATA_DIR "/sample/%1/plyrdata.%2").arg(turn).arg(player));
        EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << source.fileName().toStdString();
        text = source.readAll();
        const QString name = QStringLiteral("plyrdata.%1").arg(player);
        folder.Write(name, text);
        read = ReadReport(session, folder.path(), name);
        loaded = LoadMapData(session, {QStringLiteral(ZEZ_DATA_DIR "/")});
        // The listed areas, straight from the file's area records.
        bool areas = false;
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> items = line.trimmed().split(',');
            if (areas && items.size() == 4)
                listed[items[0].toInt()] = {items[1].toInt(), items[2].toInt(), items[3].toInt()};
            areas = areas || line.startsWith("Number of Areas =");
        }
    }
    const GameState& game() const { return session.game; }

    test::TempFolder folder;
    test::FakePort port;
    Session session{port};
    QByteArray text;
    bool read = false, loaded = false;
    std::map<int, Seen> listed;
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
        LoadedReport report(c.turn, player);
        ASSERT_TRUE(report.read && report.loaded);
        // The only word is that no orders were saved yet.
        EXPECT_EQ(report.port.messages,
                  (std::vector<test::Message>{{"No old orders to read in", MessageIcon::None}}));
        EXPECT_TRUE(report.text.endsWith("\r\n"));
        EXPECT_EQ(report.text.count('\n'), report.text.count("\r\n"));
        const GameState& game = report.game();
        EXPECT_EQ(game.GameCode, "QM042");
        EXPECT_EQ(std::tie(game.CurrentPlayer, game.TurnYear, game.TurnOfYear, game.PlayerCount),
                  std::make_tuple(player, c.year, c.turnOfYear, 8));
        std::set<QString> shortNames;
        for (int p = 0; p <= 8; ++p) {
            EXPECT_EQ(game.player(p).ShortName.size(), 4);
            shortNames.insert(game.player(p).ShortName);
        }
        EXPECT_EQ(shortNames.size(), 9u);

        // It shows the player's areas, the areas of its units, and their neighbours.
        std::set<int> expected, listed;
        for (const auto& [area, seen] : report.listed) {
            listed.insert(area);
            if (seen.owner != player && !(seen.unitOwner == player && seen.unitType > 0)) continue;
            expected.insert(area);
            for (const int n : game.area(area).Neighbours)
                if (n > 0) expected.insert(n);
        }
        EXPECT_EQ(listed, expected);

        for (const auto& [area, seen] : report.listed) {
            const int type = game.area(area).AreaType;
            const bool landUnit = seen.unitType == kArmy || seen.unitType == kCorps;
            const bool ship = seen.unitType == kFleet || seen.unitType == kSquadron;
            EXPECT_TRUE(!landUnit || type == kLand || type == kCoast) << "army at sea in " << area;
            EXPECT_TRUE(!ship || type == kWater || type == kCoast) << "ship ashore in " << area;
            EXPECT_TRUE(seen.owner == 0 || (type != kNoEntry && area != kNeutralArea)) << area;
            // The reports of one turn agree with each other.
            EXPECT_EQ(master.emplace(area, seen).first->second, seen)
                << "reports disagree on area " << area;
        }
        EXPECT_GE(ComputeTotals(game).FreeSupply, 0);
        if (c.turnOfYear > 1) continue;
        // The first turn: no treaties, and every power in its one home area.
        for (int q = 1; q <= 7; ++q)
            EXPECT_EQ(game.player(player).Relation[q], QChar(q == player ? 'A' : 'N'));
        int homes = 0;
        for (const auto& [area, seen] : report.listed)
            homes += seen.owner == player && game.area(area).HomeFlag ? 1 : 0;
        EXPECT_EQ(homes, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, SampleReportTest,
                         ::testing::Values(TurnCase{"1880-1", 1880, 1},
                                           TurnCase{"1882-3", 1882, 3}),
                         [](const auto& info) { return std::to_string(info.param.year); });

TEST(SampleGameTest, PlayerTwoMidGameIsWorthPlayingAndItsAllySeesMore) {
    LoadedReport report("1882-3", 2);
    const GameState& game = report.game();
    const Totals totals = ComputeTotals(game);
    EXPECT_GE(
        std::min({totals.ArmyCount, totals.CorpsCount, totals.FleetCount, totals.SquadronCount}),
        2);
    EXPECT_GE(totals.FreeSupply, 3);  // room to build
    int emptyCentres = 0;
    bool enemyInSight = false, allyInside = false;
    for (const auto& [area, seen] : report.listed) {
        emptyCentres += seen.owner == 2 && game.area(area).Supply > 0 && seen.unitType == 0;
        enemyInSight = enemyInSight || (seen.unitType > 0 && seen.unitOwner == 4);
        allyInside = allyInside || (seen.owner == 2 && seen.unitOwner == 3 && seen.unitType > 0);
    }
    EXPECT_GE(emptyCentres, 2);
    EXPECT_TRUE(enemyInSight);
    EXPECT_TRUE(allyInside);
    // Allied with 3 on both sides, at war with 4.
    EXPECT_EQ(game.player(2).Relation[3], QChar('A'));
    EXPECT_EQ(game.player(3).Relation[2], QChar('A'));
    EXPECT_EQ(game.player(2).Relation[4], QChar('W'));
    // The ally's report overlaps this one and shows more of the map.
    LoadedReport ally("1882-3", 3);
    int shared = 0, more = 0;
    for (const auto& [area, seen] : ally.listed) (report.listed.count(area) ? shared : more) += 1;
    EXPECT_GE(shared, 5);
    EXPECT_GE(more, 10);
}

}  // namespace
}  // namespace qm
