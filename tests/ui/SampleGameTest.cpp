// The bundled sample game, started as a player starts it: the report named on
// the command line and the map data beside the executable.

#include "ui/WindowsFixture.h"

#include "files/ItemReader.h"
#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QAction>
#include <QTableWidget>
#include <QTimer>

#include <map>

namespace qm {
namespace {

using test::Message;

struct ReportedArea {
    int owner, unitOwner, unitType;
};

// The area records of a report, read straight from its lines.
std::map<int, ReportedArea> ReportedAreas(const QByteArray& report) {
    std::map<int, ReportedArea> areas;
    const QList<QByteArray> lines = report.split('\n');
    bool inAreas = false;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Number of Areas")) {
            inAreas = true;
            continue;
        }
        const QList<QByteArray> items = line.split(',');
        if (!inAreas || items.size() != 4) continue;
        areas[items[0].toInt()] = {items[1].toInt(), items[2].toInt(), items[3].toInt()};
    }
    return areas;
}

class SampleGameTest : public test::WindowsFixture {
protected:
    void StartSample(const QString& relativePath) {
        path = CopySample(relativePath);
        ASSERT_FALSE(path.isEmpty()) << relativePath.toStdString();
        Start(path, QStringLiteral(ZEZ_BIN_DIR));
    }
    QString path;
};

TEST_F(SampleGameTest, CommandLineStartFillsGridSummaryAndTitle) {
    StartSample(QStringLiteral("1882-3/plyrdata.2"));
    EXPECT_EQ(messages, (std::vector<Message>{{"No old orders to read in", MessageIcon::None}}));
    EXPECT_EQ(mainWindow().windowTitle(),
              "QM042 Veskaran Republic           Zez-QM             Date: 1882.3(11)");
    ASSERT_NE(mainWindow().mapWindow(), nullptr);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());

    const auto reported = ReportedAreas(reportFolder.Read(QStringLiteral("plyrdata.2")));
    ASSERT_FALSE(reported.empty());
    const AreaGridModel& grid = mainWindow().areaGrid();
    const GameState& game = session().game;
    int counts[5] = {};
    int owned = 0, maxSupply = 0;
    for (int area = 1; area <= kLastArea; ++area) {
        const auto it = reported.find(area);
        const QString owner = grid.GridCell(area, kColOwner);
        EXPECT_EQ(grid.GridCell(area, kColId), QString::number(area));
        EXPECT_FALSE(grid.GridCell(area, kColName).isEmpty()) << area;
        if (it == reported.end()) {
            if (area != kNeutralArea) {
                EXPECT_EQ(owner, "") << area;
            }
            continue;
        }
        const ReportedArea& a = it->second;
        if (a.owner == 2) {
            EXPECT_EQ(owner, "****") << area;
            ++owned;
            maxSupply += game.area(area).Supply;
        } else {
            EXPECT_EQ(owner, game.player(a.owner).ShortName) << area;
        }
        if (a.unitOwner == 2 && a.unitType >= 1 && a.unitType <= 4) {
            ++counts[a.unitType];
            EXPECT_EQ(grid.GridCell(area, kColUnitOwner), "****") << area;
        }
    }
    ASSERT_GT(owned, 0);
    QTableWidget* summary = mainWindow().summaryWindow()->grdSummary();
    for (int type = 1; type <= 4; ++type)
        EXPECT_EQ(summary->item(type - 1, 1)->text(), QString::number(counts[type])) << type;
    const int land = summary->item(4, 1)->text().toInt();
    const int water = summary->item(5, 1)->text().toInt();
    EXPECT_EQ(land + water, owned);
    EXPECT_EQ(summary->item(6, 1)->text(), QString::number(maxSupply));
    EXPECT_FALSE(summary->item(7, 1)->text().isEmpty());
}

TEST_F(SampleGameTest, FirstTurnRefusesCallToArms) {
    StartSample(QStringLiteral("1880-1/plyrdata.2"));
    messages.clear();
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            dialog->close();
        }
    });
    mainWindow().menuAction(QStringLiteral("mnuCallToArms"))->trigger();
    EXPECT_EQ(messages,
              (std::vector<Message>{{"Can't declare war or call to arms on the first three turns",
                                     MessageIcon::Information}}));
    EXPECT_TRUE(opened.isEmpty());
    QApplication::processEvents();
}

}  // namespace
}  // namespace qm
