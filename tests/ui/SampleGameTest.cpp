// The bundled sample game, started as a player starts it: the report named on
// the command line and the map data beside the executable.

#include "ui/WindowsFixture.h"

#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QFile>
#include <QTableWidget>

namespace qm {
namespace {

class SampleGameTest : public test::WindowsFixture {};

TEST_F(SampleGameTest, CommandLineStartFillsGridSummaryAndTitle) {
    QFile sample(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/plyrdata.2"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QString path = reportFolder.Write("plyrdata.2", sample.readAll());
    Start(QStringLiteral("  ") + path + QStringLiteral("  "), QStringLiteral(ZEZ_BIN_DIR));
    EXPECT_EQ(mainWindow().windowTitle(),
              "QM042 Veskaran Republic           Zez-QM             Date: 1882.3(11)");
    ASSERT_NE(mainWindow().mapWindow(), nullptr);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());
    EXPECT_EQ(mainWindow().areaGrid().GridCell(21, kColOwner), "****");

    frmSummary* summaryWindow = mainWindow().summaryWindow();
    EXPECT_TRUE(summaryWindow->isVisible());
    EXPECT_EQ(summaryWindow->y(), 0);
    EXPECT_GT(summaryWindow->x(), mainWindow().frameGeometry().right());
    // Each label beside its total, as the player reads them.
    QTableWidget* summary = summaryWindow->grdSummary();
    QStringList shown;
    for (int row = 0; row < summary->rowCount(); ++row)
        shown << summary->item(row, 0)->text() + '=' + summary->item(row, 1)->text();
    EXPECT_EQ(shown.join(" ").toStdString(),
              "Armies=3 Corps=2 Fleets=2 Squadrons=2 Land=20 Water=2 Max Sply=17 Free Sply=3");
}

}  // namespace
}  // namespace qm
