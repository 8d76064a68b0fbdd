#include "ui/WindowsFixture.h"

#include "map/StarterSettings.h"
#include "orders/AreaOrder.h"
#include "ui/WindowMetrics.h"

#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmMergeLog.h"
#include "ui/frmSummary.h"

#include <QFile>
#include <QTableView>
#include <QTest>

namespace qm {
namespace {

using test::Message;

class MainWindowTest : public test::WindowsFixture {};

TEST_F(MainWindowTest, FirstStartShowsTheStarterLookAndOnlyExitSavesTheSettings) {
    const QString path = DefaultSettingsPath();
    QFile::remove(path);
    Start(WriteReport(), HandMapDir());
    EXPECT_EQ(session().map.display.CountryColours, StarterDisplaySettings().CountryColours);
    mainWindow().close();
    EXPECT_FALSE(QFile::exists(path));
    Menu("mnuExit")->trigger();
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(MainWindowTest, MapWindowStaysOnTheScreenWithAndWithoutAWindowFrame) {
    const QRect screen(0, 0, 1600, 1000);
    // Below a main window 300 high (outer) and 4 pixels apart, down to the bottom.
    EXPECT_EQ(MapWindowPlacement(screen, 304, {}, 2102, 100), QRect(0, 304, 1600, 696));
    EXPECT_EQ(MapWindowPlacement(screen, 304, {4, 30, 4, 4}, 800, 100), QRect(4, 334, 800, 662));
    EXPECT_EQ(MapWindowPlacement(screen, 990, {4, 30, 4, 4}, 800, 100).bottom() + 4, 999);
}

TEST_F(MainWindowTest, InvalidFileKeepsOpenOnWithoutAMapSoTheRightFileCanFollow) {
    Start(QString(), HandMapDir());
    const QString bad = reportFolder.Write("plyrdata.2", "no game code here\r\n");
    EXPECT_FALSE(turn().Open(bad, OpenedFrom::Dialog));
    EXPECT_EQ(messages, (std::vector<Message>{{"Invalid File", MessageIcon::None}}));
    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());
    EXPECT_EQ(mainWindow().mapWindow(), nullptr);
    EXPECT_EQ(mainWindow().windowTitle(), "Zez-QM V1.06 32-bit");

    ASSERT_TRUE(turn().Open(WriteReport(), OpenedFrom::Dialog));
    EXPECT_FALSE(Menu("mnuOpen")->isEnabled());
    ASSERT_NE(mainWindow().mapWindow(), nullptr);

    // Minimised, the others hide, the merge log too; maximised, the map stays hidden.
    Menu("mnuMergeLog")->trigger();
    mainWindow().setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(mainWindow().summaryWindow()->isVisible() ||
                 mainWindow().mergeLogWindow()->isVisible());
    mainWindow().setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(mainWindow().mapWindow()->isVisible());
    mainWindow().setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());
    EXPECT_TRUE(mainWindow().summaryWindow()->isVisible() &&
                mainWindow().mergeLogWindow()->isVisible());
}

TEST_F(MainWindowTest, GridSelectionSetsSelectedAreaDoubleClickOnlyWhenIdle) {
    Start(WriteReport(), HandMapDir());
    QTableView* grid = mainWindow().grdArea();
    grid->setCurrentIndex(grid->model()->index(9, kColName));
    QTest::keyClick(grid->viewport(), Qt::Key_Down);
    EXPECT_EQ(session().interaction.SelectedArea, 11);
    session().interaction.MapMode = "MO";
    emit grid->doubleClicked(grid->model()->index(20, 0));
    EXPECT_EQ(session().interaction.SelectedArea, 11);
    session().interaction.MapMode.clear();
    emit grid->doubleClicked(grid->model()->index(20, 0));
    EXPECT_EQ(session().interaction.SelectedArea, 21);
}

// What each answer does is the turn's (TurnTest); here the wiring: a release
// keeps the recovery copy, Exit asks and Cancel keeps the window.
TEST_F(MainWindowTest, ARecoveryCopyFollowsEachReleaseAndExitAsksAboutUnsavedOrders) {
    Start(WriteReport(), HandMapDir());
    session().interaction.SelectedArea = 5;
    SetAreaOrder(session().orders(), "AA", 0, 0);
    QTest::mouseClick(mainWindow().grdArea()->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(recoveryFolder.Exists("QM012-3-1881-2.tmp"));
    answers = {Answer::Cancel};
    Menu("mnuExit")->trigger();
    EXPECT_EQ(questions, QStringList{"Save the orders of this turn?"});
    EXPECT_TRUE(mainWindow().isVisible());
}

}  // namespace
}  // namespace qm
