// The bundled sample game, started as a player starts it: the report named on
// the command line and the map data beside the executable.

#include "ui/WindowsFixture.h"

#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QFile>
#include <QTableWidget>

#include <set>

namespace qm {
namespace {

using test::Message;

class SampleGameTest : public test::WindowsFixture {};

TEST_F(SampleGameTest, CommandLineStartFillsGridSummaryAndTitle) {
    QFile sample(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/plyrdata.2"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray report = sample.readAll();
    Start(QStringLiteral("  ") + reportFolder.Write("plyrdata.2", report) + QStringLiteral("  "),
          QStringLiteral(ZEZ_BIN_DIR));
    EXPECT_EQ(session().game.ProgramDir, QStringLiteral(ZEZ_BIN_DIR "/"));
    EXPECT_EQ(session().game.ReportDir, reportFolder.path());
    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());  // only File > Open turns it off
    EXPECT_EQ(messages, (std::vector<Message>{{"No old orders to read in", MessageIcon::None}}));
    EXPECT_EQ(mainWindow().windowTitle(),
              "QM042 Veskaran Republic           Zez-QM             Date: 1882.3(11)");
    ASSERT_NE(mainWindow().mapWindow(), nullptr);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());

    // Each area line of the report (area,owner,unit owner,unit type) against the grid.
    const AreaGridModel& grid = mainWindow().areaGrid();
    const GameState& game = session().game;
    std::set<int> reported;
    int units[5] = {}, owned = 0, maxSupply = 0;
    bool inAreas = false;
    for (const QByteArray& line : report.split('\n')) {
        const QList<QByteArray> items = line.trimmed().split(',');
        inAreas = inAreas || line.startsWith("Number of Areas");
        if (!inAreas || items.size() != 4) continue;
        const int area = items[0].toInt(), owner = items[1].toInt();
        const int unitOwner = items[2].toInt(), unitType = items[3].toInt();
        reported.insert(area);
        EXPECT_EQ(grid.GridCell(area, kColOwner),
                  owner == 2 ? "****" : game.player(owner).ShortName)
            << area;
        if (owner == 2) {
            ++owned;
            maxSupply += game.area(area).Supply;
        }
        if (unitOwner == 2 && unitType >= 1 && unitType <= 4) {
            ++units[unitType];
            EXPECT_EQ(grid.GridCell(area, kColUnitOwner), "****") << area;
        }
    }
    ASSERT_GT(owned, 0);
    for (int area = 1; area <= kLastArea; ++area) {
        EXPECT_EQ(grid.GridCell(area, kColId), QString::number(area));
        if (!reported.count(area) && area != kNeutralArea) {
            EXPECT_EQ(grid.GridCell(area, kColOwner), "") << area;
        }
    }
    frmSummary* summaryWindow = mainWindow().summaryWindow();
    EXPECT_TRUE(summaryWindow->isVisible());
    EXPECT_EQ(summaryWindow->y(), 0);
    EXPECT_GT(summaryWindow->x(), mainWindow().frameGeometry().right());
    QTableWidget* summary = summaryWindow->grdSummary();
    for (int type = 1; type <= 4; ++type)
        EXPECT_EQ(summary->item(type - 1, 1)->text(), QString::number(units[type])) << type;
    EXPECT_EQ(summary->item(4, 1)->text().toInt() + summary->item(5, 1)->text().toInt(), owned);
    EXPECT_EQ(summary->item(6, 1)->text(), QString::number(maxSupply));
    const int upkeep = 2 * (units[kArmy] + units[kFleet]) + units[kCorps] + units[kSquadron];
    EXPECT_EQ(summary->item(7, 1)->text(), QString::number(maxSupply - upkeep));
}

}  // namespace
}  // namespace qm
