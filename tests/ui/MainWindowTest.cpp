#include "ui/WindowsFixture.h"

#include "map/DisplaySettingsFile.h"
#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace qm {
namespace {

using test::Message;

class MainWindowTest : public test::WindowsFixture {
protected:
    /// Triggers a menu command and answers the name of the dialog it opened, closing it.
    QString DialogOpenedBy(const char* menu) {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = dialog->objectName();
                dialog->close();
            }
        });
        Menu(menu)->trigger();
        QApplication::processEvents();  // a refusal leaves the timer to run here
        return opened;
    }
};

TEST_F(MainWindowTest, EntriesOfLaterWindowsStayOffAndShortcutsSitBesideMnemonics) {
    for (const char* name : {"mnuMerge", "mnuEditHex", "mnuSaveHexData", "mnuANW", "mnuGrantAccess",
                             "mnuSpy", "mnuVictoryConditions", "mnuMapColors", "mnuHex", "mnuZoom",
                             "mnuTypeofUnitDisplay", "mnuSave"})
        EXPECT_FALSE(Menu(name)->isEnabled()) << name;
    // The report reader decides Victory Conditions, but its window is not there yet.
    program->port.EnableMenu(MenuCommand::VictoryConditions, true);
    EXPECT_FALSE(Menu("mnuVictoryConditions")->isEnabled());
    EXPECT_EQ(Menu("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Menu("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Menu("mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(MainWindowTest, TitleGridSpansItsColumnGroupsAndEightRowsShow) {
    Start(QString(), programFolder.path());
    QTableView* grid = mainWindow().grdArea();
    int areaGroup = 0, unitGroup = 0;
    for (int column = 0; column <= kColUnitType; ++column)
        (column <= kColSupply ? areaGroup : unitGroup) += grid->columnWidth(column);
    QTableWidget* title = mainWindow().grdAreaTitle();
    EXPECT_EQ(title->columnWidth(0), areaGroup);
    EXPECT_EQ(title->columnWidth(1), unitGroup);
    EXPECT_EQ(title->geometry().bottom() + 1, grid->geometry().top());
    // The heading row and seven area rows, and every column without scrolling.
    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight);
    EXPECT_EQ(grid->viewport()->height(), 7 * rowHeight);
    EXPECT_EQ(grid->viewport()->width(), grid->horizontalHeader()->length());
}

TEST_F(MainWindowTest, InvalidFileKeepsOpenOnWithoutAMapSoTheRightFileCanFollow) {
    Start(QString(), HandMapDir());
    const QString bad = reportFolder.Write("plyrdata.2", "no game code here\r\n");
    EXPECT_FALSE(mainWindow().OpenReport(bad, false));
    EXPECT_EQ(messages, (std::vector<Message>{{"Invalid File", MessageIcon::None}}));
    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());
    EXPECT_FALSE(Menu("mnuSave")->isEnabled());
    EXPECT_EQ(mainWindow().mapWindow(), nullptr);
    EXPECT_EQ(mainWindow().grdArea()->model()->rowCount(), 0);
    EXPECT_EQ(mainWindow().windowTitle(), "Zez-QM V1.06 32-bit");

    ASSERT_TRUE(mainWindow().OpenReport(WriteReport(), false));
    EXPECT_EQ(mainWindow().windowTitle(),
              "QM012 England           Zez-QM             Date: 1881.2(6)");
    EXPECT_EQ(mainWindow().areaGrid().rowCount(), 273);
    EXPECT_FALSE(Menu("mnuOpen")->isEnabled());
    EXPECT_TRUE(Menu("mnuSave")->isEnabled());
    ASSERT_NE(mainWindow().mapWindow(), nullptr);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());
}

TEST_F(MainWindowTest, GridSelectionSetsSelectedAreaDoubleClickOnlyWhenIdle) {
    Start(WriteReport(), HandMapDir());
    QTableView* grid = mainWindow().grdArea();
    grid->setCurrentIndex(grid->model()->index(9, kColName));
    EXPECT_EQ(session().interaction.SelectedArea, 10);
    QTest::keyClick(grid->viewport(), Qt::Key_Down);
    EXPECT_EQ(session().interaction.SelectedArea, 11);

    session().interaction.SelectedArea = 4;
    session().interaction.MapMode = "MO";
    emit grid->doubleClicked(grid->model()->index(20, 0));
    EXPECT_EQ(session().interaction.SelectedArea, 4);
    session().interaction.MapMode.clear();
    emit grid->doubleClicked(grid->model()->index(20, 0));
    EXPECT_EQ(session().interaction.SelectedArea, 21);
}

struct TurnCase {
    int year, turn;
    bool refused;
};

class CallToArmsTurnTest : public MainWindowTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(CallToArmsTurnTest, FirstThreeTurnsRefuseTheDialog) {
    session().game.TurnYear = static_cast<std::int16_t>(GetParam().year);
    session().game.TurnOfYear = static_cast<std::int16_t>(GetParam().turn);
    const bool refused = GetParam().refused;
    EXPECT_EQ(DialogOpenedBy("mnuCallToArms"), refused ? "" : "frmCallToArms");
    const Message refusal = {"Can't declare war or call to arms on the first three turns",
                             MessageIcon::Information};
    EXPECT_EQ(messages, refused ? std::vector<Message>{refusal} : std::vector<Message>{});
}

INSTANTIATE_TEST_SUITE_P(Turns, CallToArmsTurnTest,
                         ::testing::Values(TurnCase{1880, 1, true}, TurnCase{1880, 2, true},
                                           TurnCase{1880, 3, true}, TurnCase{1880, 4, false},
                                           TurnCase{1881, 1, false}));

TEST_F(MainWindowTest, MinimisingHidesAndOnlyTheNormalSizeShowsSummaryAndMap) {
    Start(QString(), HandMapDir());
    frmSummary* summary = mainWindow().summaryWindow();
    mainWindow().setWindowState(Qt::WindowMinimized);  // no map yet
    EXPECT_FALSE(summary->isVisible());
    mainWindow().setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(summary->isVisible());

    ASSERT_TRUE(mainWindow().OpenReport(WriteReport(), false));
    frmMap* map = mainWindow().mapWindow();
    mainWindow().setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(summary->isVisible());
    mainWindow().setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(map->isVisible());
    mainWindow().setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(summary->isVisible());
}

TEST_F(MainWindowTest, ExitSavesTheDisplaySettingsClosingOtherwiseDoesNot) {
    Start(QString(), programFolder.path());
    const QString settings = DefaultSettingsPath();
    QFile::remove(settings);
    mainWindow().close();
    EXPECT_FALSE(QFile::exists(settings));
    EXPECT_FALSE(mainWindow().summaryWindow()->isVisible());

    NewProgram();
    Start(QString(), programFolder.path());
    session().display.MapX = -40;
    Menu("mnuExit")->trigger();
    EXPECT_FALSE(mainWindow().isVisible());
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("MapX=-40"));
}

}  // namespace
}  // namespace qm
