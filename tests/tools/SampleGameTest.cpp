// The bundled sample game, data/sample: every report reads cleanly on our map,
// every unit stands where its kind may, every power pays its upkeep, and the
// report that ./dev run opens is worth playing.

#include "files/ReportReader.h"
#include "map/MapDataFiles.h"
#include "state/Session.h"
#include "state/Totals.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace qm {
namespace {

using test::FakePort;
using test::Message;
using test::TempFolder;

struct Seen {
    int owner, unitOwner, unitType;
    bool operator==(const Seen&) const = default;
};

// One report read into a fresh session, from a copy in a temporary folder so
// that nothing is written beside the shipped files.
class LoadedReport {
public:
    LoadedReport(const QString& turn, int player) {
        QFile source(QStringLiteral(ZEZ_DATA_DIR "/sample/%1/plyrdata.%2").arg(turn).arg(player));
        EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << source.fileName().toStdString();
        text = source.readAll();
        name = QStringLiteral("plyrdata.%1").arg(player);
        folder.Write(name, text);
        read = ReadReport(session, folder.path(), name);
        loaded = LoadMapData(session, {QStringLiteral(ZEZ_DATA_DIR "/")});
        // The listed areas, straight from the file's area records.
        const QList<QByteArray> lines = text.split('\n');
        bool areas = false;
        for (const QByteArray& line : lines) {
            const QList<QByteArray> items = line.trimmed().split(',');
            if (areas && items.size() == 4)
                listed[items[0].toInt()] = {items[1].toInt(), items[2].toInt(), items[3].toInt()};
            if (line.startsWith("Number of Areas =")) areas = true;
        }
    }

    const GameState& game() const { return session.game; }

    TempFolder folder;
    FakePort port;
    Session session{port};
    QByteArray text;
    QString name;
    bool read = false;
    bool loaded = false;
    std::map<int, Seen> listed;
};

struct TurnCase {
    const char* turn;
    int year, turnOfYear;
};

class SampleReportTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(SampleReportTest, EveryReportReadsAndHoldsALegalPosition) {
    std::map<int, Seen> master;  // what the reports say, area by area
    for (int player = 1; player <= 7; ++player) {
        SCOPED_TRACE("player " + std::to_string(player));
        LoadedReport report(GetParam().turn, player);
        ASSERT_TRUE(report.read);
        ASSERT_TRUE(report.loaded);
        // The only word is that no orders were saved yet.
        ASSERT_EQ(report.port.messages.size(), 1u);
        EXPECT_EQ(report.port.messages[0].text, "No old orders to read in");
        EXPECT_TRUE(report.text.endsWith("\r\n"));
        EXPECT_EQ(report.text.count('\n'), report.text.count("\r\n"));

        const GameState& game = report.game();
        EXPECT_EQ(game.GameCode, "QM042");
        EXPECT_EQ(game.CurrentPlayer, player);
        EXPECT_EQ(game.TurnYear, GetParam().year);
        EXPECT_EQ(game.TurnOfYear, GetParam().turnOfYear);
        EXPECT_EQ(game.PlayerCount, 8);
        std::set<QString> shortNames;
        for (int p = 0; p <= 8; ++p) {
            EXPECT_EQ(game.player(p).ShortName.size(), 4);
            shortNames.insert(game.player(p).ShortName);
        }
        EXPECT_EQ(shortNames.size(), 9u);

        // It shows the player's areas, the areas of its units, and their neighbours.
        std::set<int> expected;
        for (const auto& [area, seen] : report.listed) {
            if (seen.owner != player && !(seen.unitOwner == player && seen.unitType > 0)) continue;
            expected.insert(area);
            for (int slot = 1; slot <= 14; ++slot)
                if (game.area(area).Neighbours[slot] > 0)
                    expected.insert(game.area(area).Neighbours[slot]);
        }
        std::set<int> listed;
        for (const auto& [area, seen] : report.listed) listed.insert(area);
        EXPECT_EQ(listed, expected);

        for (const auto& [area, seen] : report.listed) {
            const int type = game.area(area).AreaType;
            if (seen.unitType == kArmy || seen.unitType == kCorps) {
                EXPECT_TRUE(type == kLand || type == kCoast) << "land unit at sea in " << area;
            }
            if (seen.unitType == kFleet || seen.unitType == kSquadron) {
                EXPECT_TRUE(type == kWater || type == kCoast) << "ship ashore in " << area;
            }
            if (type == kNoEntry || area == kNeutralArea) {
                EXPECT_EQ(seen.owner, 0) << area;
            }
            // The reports of one turn agree with each other.
            const auto [it, fresh] = master.emplace(area, seen);
            if (!fresh) {
                EXPECT_EQ(it->second, seen) << "reports disagree on area " << area;
            }
        }
        EXPECT_GE(ComputeTotals(game).FreeSupply, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, SampleReportTest,
                         ::testing::Values(TurnCase{"1880-1", 1880, 1},
                                           TurnCase{"1882-3", 1882, 3}),
                         [](const auto& info) { return std::to_string(info.param.year); });

TEST(SampleGameTest, FirstTurnHasNoTreatiesAndEveryPowerAtHome) {
    for (int player = 1; player <= 7; ++player) {
        LoadedReport report("1880-1", player);
        const GameState& game = report.game();
        for (int q = 1; q <= 7; ++q)
            EXPECT_EQ(game.player(player).Relation[q], QChar(q == player ? 'A' : 'N'));
        int homes = 0;
        for (const auto& [area, seen] : report.listed)
            homes += seen.owner == player && game.area(area).HomeFlag ? 1 : 0;
        EXPECT_EQ(homes, 1) << "player " << player;
    }
}

TEST(SampleGameTest, PlayerTwoMidGameIsWorthPlaying) {
    LoadedReport report("1882-3", 2);
    const GameState& game = report.game();
    const Totals totals = ComputeTotals(game);
    EXPECT_GE(totals.ArmyCount, 2);
    EXPECT_GE(totals.CorpsCount, 2);
    EXPECT_GE(totals.FleetCount, 2);
    EXPECT_GE(totals.SquadronCount, 2);
    EXPECT_GE(totals.FreeSupply, 3);  // room to build
    int emptyCentres = 0;
    bool enemyInSight = false;
    bool allyInside = false;
    for (const auto& [area, seen] : report.listed) {
        if (seen.owner == 2 && game.area(area).Supply > 0 && seen.unitType == 0) ++emptyCentres;
        if (seen.unitType > 0 && seen.unitOwner == 4) enemyInSight = true;
        if (seen.owner == 2 && seen.unitOwner == 3 && seen.unitType > 0) allyInside = true;
    }
    EXPECT_GE(emptyCentres, 2);
    EXPECT_TRUE(enemyInSight);
    EXPECT_TRUE(allyInside);
    // Allied with 3 on both sides, at war with 4.
    EXPECT_EQ(game.player(2).Relation[3], QChar('A'));
    EXPECT_EQ(game.player(3).Relation[2], QChar('A'));
    EXPECT_EQ(game.player(2).Relation[4], QChar('W'));
}

TEST(SampleGameTest, TheAllysReportShowsMoreOfTheMap) {
    LoadedReport mine("1882-3", 2);
    LoadedReport ally("1882-3", 3);
    int shared = 0;
    int more = 0;
    for (const auto& [area, seen] : ally.listed) {
        if (mine.listed.count(area))
            ++shared;
        else
            ++more;
    }
    EXPECT_GE(shared, 5);
    EXPECT_GE(more, 10);
}

}  // namespace
}  // namespace qm
