// The bundled sample game, started as a player starts it: the report named on
// the command line and the map data beside the executable.

#include "ui/WindowsFixture.h"

#include "map/CentreOnArea.h"
#include "map/HexSearch.h"
#include "session/Turn.h"

#include "ui/AreaGridModel.h"
#include "ui/ModelessWindows.h"
#include "ui/frmChanges.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QStatusBar>
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

// With no settings yet, and for another player's report, the map opens on the
// player's own lands; the settings then keep whose view it is.
TEST_F(SampleGameTest, TheFirstLookIsAtTheHomeOfThePlayer) {
    auto sample = [](const char* name) {
        QFile file(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString veskaran = reportFolder.Write("plyrdata.2", sample("plyrdata.2"));
    Start(veskaran, QStringLiteral(ZEZ_BIN_DIR));
    auto inView = [&](std::int16_t area) {
        const MapState& map = session().map;  // of the program running now
        const auto cell = FindHexOfArea(session().game, map.hexes, area);
        const QPoint at = CellOutline(map.geometry, cell->Column, cell->Row)[0] +
                          QPoint(map.display.MapX, map.display.MapY);
        return map.picture.picView.rect().contains(at);
    };
    const std::int16_t home = HomeArea(session().game, session().map);
    ASSERT_EQ(session().game.area(home).Owner, 2);
    EXPECT_TRUE(inView(home));
    EXPECT_EQ(session().map.display.ViewOf, "QM042 2");

    // Kept as the Veskaran view, the settings bring it back; Ormanth's report
    // starts at Ormanth's lands.
    session().map.display.MapX = session().map.display.MapY = 0;
    ASSERT_TRUE(turn().Exit(DefaultSettingsPath()));
    NewProgram();
    Start(veskaran, QStringLiteral(ZEZ_BIN_DIR));
    EXPECT_EQ(session().map.display.MapX + session().map.display.MapY, 0);
    test::TempFolder ormanth;
    ASSERT_TRUE(turn().Open(ormanth.Write("plyrdata.3", sample("plyrdata.3")), OpenedFrom::Dialog));
    EXPECT_EQ(session().map.display.ViewOf, "QM042 3");
    EXPECT_EQ(session().game.area(HomeArea(session().game, session().map)).Owner, 3);
    EXPECT_TRUE(inView(HomeArea(session().game, session().map)));
}

// The whole played sample, a folder per turn, as a player keeps it.
TEST_F(SampleGameTest, TheLastTurnOpensWithItsHistoryWhichIsShownAndComparedTurnByTurn) {
    QDirIterator files(QStringLiteral(ZEZ_DATA_DIR "/sample"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        reportFolder.Write(QDir(ZEZ_DATA_DIR "/sample").relativeFilePath(file.fileName()),
                           file.readAll());
    }
    Start(reportFolder.path() + "1882-3/plyrdata.2", QStringLiteral(ZEZ_BIN_DIR));
    EXPECT_EQ(mainWindow().statusBar()->currentMessage().toStdString(),
              "30 earlier files of this game taken into its history");
    const QString title = mainWindow().windowTitle();

    Menu("mnuChanges")->trigger();
    frmChanges* changes = mainWindow().windows().changes();
    EXPECT_EQ(changes->cboBefore()->currentText(), "1882.2");
    changes->cboBefore()->setCurrentText("1881.3");
    changes->cboAfter()->setCurrentText("1881.4");
    QListWidget* list = changes->lstChanges();
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
    EXPECT_EQ(lines.join('\n').toStdString(), R"(Areas that changed hands
135 Duroholm: NEUT to VESK
Units
22 Bay of Ardera: VESK fleet appeared
58 Dravizar: VESK fleet vanished
61 Tavimania: VESK corps appeared
95 Dravagard: VESK corps appeared
97 Orvobrook: VESK corps is now a VESK army
98 Heligard: VESK army vanished
101 Rosaeniris Deep: VESK squadron vanished
130 Salanawick: VESK army vanished
131 Kestomere: ORMA army is now a ORMA corps
132 Mirera: VESK corps is now a VESK army
135 Duroholm: VESK squadron appeared
136 Velara: TIRV army appeared
Totals, then and now
Armies: 2 then, 2 now
Corps: 2 then, 2 now
Fleets: 2 then, 2 now
Squadrons: 2 then, 2 now
Land: 17 then, 18 now
Water: 2 then, 2 now
Max Sply: 13 then, 14 now
Free Sply: 1 then, 0 now
What became of your orders
Move of the fleet from 58 Dravizar to 22 Bay of Ardera: 22 Bay of Ardera now holds your fleet
Move of the corps from 97 Orvobrook to 61 Tavimania: 61 Tavimania now holds your corps
Move of the army from 98 Heligard to 97 Orvobrook: 97 Orvobrook now holds your army
Move of the squadron from 101 Rosaeniris Deep to 135 Duroholm: 135 Duroholm now holds your squadron
Move of the army from 130 Salanawick to 132 Mirera: 132 Mirera now holds your army
Move of the corps from 132 Mirera to 95 Dravagard: 95 Dravagard now holds your corps)");

    EXPECT_EQ(Menu("mnuEarlierTurn")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    Menu("mnuEarlierTurn")->trigger();
    EXPECT_TRUE(mainWindow().windowTitle().endsWith("1882.2(10) - turn 1882.2 as it was"));
    EXPECT_FALSE(Menu("mnuSave")->isEnabled());
    EXPECT_TRUE(Menu("mnuTurnHistory")->isChecked());
    Menu("mnuTurnHistory")->trigger();
    EXPECT_EQ(mainWindow().windowTitle(), title);
    EXPECT_TRUE(Menu("mnuSave")->isEnabled());
}

}  // namespace
}  // namespace qm
