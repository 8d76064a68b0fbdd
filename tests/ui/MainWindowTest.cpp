#include "ui/WindowsFixture.h"

#include "ui/AreaGridModel.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"
#include "map/DisplaySettingsFile.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace qm {
namespace {

using test::Message;
using test::ReportText;

class MainWindowTest : public test::WindowsFixture {
protected:
    /// Opens a hand-made report with the hand-made map, as File > Open does.
    bool OpenHandReport(const ReportText& report) {
        mainWindow().show();
        session().game.ProgramDir = HandMapDir(report.playerCount.toInt());
        const QString path = reportFolder.Write(QStringLiteral("plyrdata.3"), report.Build());
        return mainWindow().OpenReport(path, false);
    }
    QAction* Menu(const char* name) { return mainWindow().menuAction(QString::fromLatin1(name)); }
};

TEST_F(MainWindowTest, MenuBarHasEveryEntryInOrderWithItsCaption) {
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&File", {"&Open", "&Merge", "&Save ", "&Exit"}},
        {"&Area Data", {"&Edit Hex", "&Save Hex Data"}},
        {"&Command", {"&ANW", "&Call to Arms", "&Grant Access", "&Spy", "&VictoryConditions"}},
        {"&View", {"&Relations", "&Your Areas"}},
        {"&Options", {"Map &Colors", "Hex map", "&Zoom Map", "Type of Unit Display"}},
        {"&Help", {"&About"}},
    };
    const QList<QAction*> menus = mainWindow().menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].first);
        QStringList captions;
        for (QAction* entry : menus[m]->menu()->actions()) captions << entry->text();
        EXPECT_EQ(captions, expected[m].second);
    }
}

TEST_F(MainWindowTest, EntriesOfLaterWindowsStayOffAndShortcutsSitBesideMnemonics) {
    for (const char* name : {"mnuMerge", "mnuEditHex", "mnuSaveHexData", "mnuANW", "mnuGrantAccess",
                             "mnuSpy", "mnuVictoryConditions", "mnuMapColors", "mnuHex",
                             "mnuZoom", "mnuTypeofUnitDisplay"})
        EXPECT_FALSE(Menu(name)->isEnabled()) << name;
    // The report reader decides Victory Conditions, but its window is not there yet.
    program->port.EnableMenu(MenuCommand::VictoryConditions, true);
    EXPECT_FALSE(Menu("mnuVictoryConditions")->isEnabled());

    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());
    EXPECT_FALSE(Menu("mnuSave")->isEnabled());
    EXPECT_EQ(Menu("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Menu("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Menu("mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(MainWindowTest, GridColumnsAreSizedFromTheirSamplesAndShowEightRows) {
    Start(QString(), programFolder.path());
    EXPECT_EQ(mainWindow().windowTitle(), "Zez-QM V1.06 32-bit");
    QTableView* grid = mainWindow().grdArea();
    const QFontMetrics metrics(grid->font());
    int areaGroup = 0, unitGroup = 0;
    for (int column = 0; column < kAreaColumnCount; ++column) {
        const int width = metrics.horizontalAdvance(AreaGridModel::kWidthSamples[column]) + 4;
        EXPECT_EQ(grid->columnWidth(column), width) << column;
        EXPECT_EQ(grid->model()->headerData(column, Qt::Horizontal).toString(),
                  AreaGridModel::kHeadings[column]);
        (column <= kColSupply ? areaGroup : column <= kColUnitType ? unitGroup : column) += width;
    }
    EXPECT_EQ(grid->model()->rowCount(), 0);  // headings only before a report

    QTableWidget* title = mainWindow().grdAreaTitle();
    EXPECT_EQ(title->item(0, 0)->text(), "Area");
    EXPECT_EQ(title->item(0, 1)->text(), "Unit");
    EXPECT_EQ(title->columnWidth(0), areaGroup);
    EXPECT_EQ(title->columnWidth(1), unitGroup);
    EXPECT_EQ(title->geometry().bottom() + 1, grid->geometry().top());

    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight);
    EXPECT_EQ(grid->viewport()->height(), 7 * rowHeight);
    EXPECT_EQ(grid->viewport()->width(), grid->horizontalHeader()->length());
}

TEST_F(MainWindowTest, UnusableReportStopsAfterItsMessageAndOpenStaysOn) {
    session().game.ProgramDir = HandMapDir(4);
    const QString path = reportFolder.Write(QStringLiteral("plyrdata.3"), "no game code here\r\n");
    EXPECT_FALSE(mainWindow().OpenReport(path, false));
    EXPECT_EQ(messages, (std::vector<Message>{{"Invalid File", MessageIcon::None}}));
    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());
    EXPECT_FALSE(Menu("mnuSave")->isEnabled());
    EXPECT_EQ(mainWindow().mapWindow(), nullptr);
    EXPECT_FALSE(session().MapShown);
    EXPECT_EQ(mainWindow().grdArea()->model()->rowCount(), 0);
    EXPECT_EQ(mainWindow().windowTitle(), "Zez-QM V1.06 32-bit");
}

TEST_F(MainWindowTest, OpenFillsGridAndTitleShowsTheMapAndTurnsOpenOff) {
    ReportText report;
    report.areas = {{5, 3, 3, 1}, {12, 2, 3, 2}, {6, 4, 0, 0}, {7, 1, 0, 0}};
    ASSERT_TRUE(OpenHandReport(report));
    EXPECT_TRUE(messages.empty() || messages.front().text == "No old orders to read in");
    EXPECT_EQ(mainWindow().windowTitle(),
              "QM012 England           Zez-QM             Date: 1881.2(6)");
    const AreaGridModel& grid = mainWindow().areaGrid();
    EXPECT_EQ(grid.rowCount(), 273);
    EXPECT_EQ(grid.GridCell(5, kColOwner), "****");
    EXPECT_EQ(grid.GridCell(5, kColUnitOwner), "****");
    EXPECT_EQ(grid.GridCell(5, kColUnitType), "army");
    EXPECT_EQ(grid.GridCell(5, kColName), "Area 5");
    EXPECT_EQ(grid.GridCell(5, kColSupply), "2");
    EXPECT_EQ(grid.GridCell(7, kColOwner), "GRMN");
    EXPECT_EQ(grid.GridCell(6, kColOwner), "");  // owner = player count
    EXPECT_EQ(grid.GridCell(8, kColOwner), "");  // not in the report
    EXPECT_EQ(grid.GridCell(12, kColUnitType), "corps");
    EXPECT_FALSE(Menu("mnuOpen")->isEnabled());
    EXPECT_TRUE(Menu("mnuSave")->isEnabled());
    ASSERT_NE(mainWindow().mapWindow(), nullptr);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());
    EXPECT_EQ(mainWindow().mapWindow()->windowTitle(), "Map");
}

TEST_F(MainWindowTest, CommandLineStartLeavesOpenOnAndShowsTheSummaryBeside) {
    ReportText report;
    const QString programDir = HandMapDir(4);
    const QString path = reportFolder.Write(QStringLiteral("plyrdata.3"), report.Build());
    Start(QStringLiteral("  ") + path + QStringLiteral("  "), programDir);
    EXPECT_EQ(session().game.ProgramDir, programDir);
    EXPECT_EQ(session().game.ReportDir, reportFolder.path());
    EXPECT_TRUE(Menu("mnuOpen")->isEnabled());
    frmSummary* summary = mainWindow().summaryWindow();
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(summary->windowTitle(), "Summary");
    EXPECT_EQ(summary->y(), 0);
    EXPECT_GT(summary->x(), mainWindow().frameGeometry().right());
    // Areas 5 (army) and 60 (fleet) own, 12 a corps in another's area.
    const QStringList labels = {"Armies", "Corps", "Fleets", "Squadrons",
                                "Land",   "Water", "Max Sply", "Free Sply"};
    const QStringList values = {"1", "1", "1", "0", "2", "0", "4", "-1"};
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(summary->grdSummary()->item(row, 0)->text(), labels[row]);
        EXPECT_EQ(summary->grdSummary()->item(row, 1)->text(), values[row]) << row;
    }
}

TEST_F(MainWindowTest, ProgramDirGetsItsSeparator) {
    Start(QString(), QStringLiteral("/opt/zez"));
    EXPECT_EQ(session().game.ProgramDir, "/opt/zez/");
    EXPECT_EQ(session().interaction.SelectedArea, 0);
}

TEST_F(MainWindowTest, GridSelectionSetsSelectedAreaDoubleClickOnlyWhenIdle) {
    ASSERT_TRUE(OpenHandReport(ReportText{}));
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

TEST_F(MainWindowTest, ScrollingNeverPutsARowAfter267OnTop) {
    ASSERT_TRUE(OpenHandReport(ReportText{}));
    QTableView* grid = mainWindow().grdArea();
    for (const auto& [area, top] : std::vector<std::pair<int, int>>{
             {40, 40}, {267, 267}, {270, 267}, {273, 267}, {1, 1}}) {
        mainWindow().ScrollGridToArea(area);
        EXPECT_EQ(grid->rowAt(0) + 1, top) << area;
    }
    mainWindow().ScrollGridToArea(0);
    mainWindow().ScrollGridToArea(274);
    EXPECT_EQ(grid->rowAt(0) + 1, 1);
}

struct TurnCase {
    int year, turn;
    bool refused;
};

class CallToArmsTurnTest : public MainWindowTest,
                           public ::testing::WithParamInterface<TurnCase> {};

TEST_P(CallToArmsTurnTest, FirstThreeTurnsRefuseTheDialog) {
    session().game.TurnYear = static_cast<std::int16_t>(GetParam().year);
    session().game.TurnOfYear = static_cast<std::int16_t>(GetParam().turn);
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            dialog->close();
        }
    });
    Menu("mnuCallToArms")->trigger();
    if (GetParam().refused) {
        EXPECT_EQ(messages, (std::vector<Message>{
                                {"Can't declare war or call to arms on the first three turns",
                                 MessageIcon::Information}}));
        EXPECT_TRUE(opened.isEmpty());
        QApplication::processEvents();
    } else {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(opened, "frmCallToArms");
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, CallToArmsTurnTest,
                         ::testing::Values(TurnCase{1880, 1, true}, TurnCase{1880, 2, true},
                                           TurnCase{1880, 3, true}, TurnCase{1880, 4, false},
                                           TurnCase{1881, 1, false}));

TEST_F(MainWindowTest, MinimisingBeforeAReportHidesOnlyTheSummary) {
    Start(QString(), programFolder.path());
    frmSummary* summary = mainWindow().summaryWindow();
    ASSERT_TRUE(summary->isVisible());
    mainWindow().setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(summary->isVisible());
    EXPECT_EQ(mainWindow().mapWindow(), nullptr);
    mainWindow().setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(summary->isVisible());
}

TEST_F(MainWindowTest, MinimisingHidesAndRestoringShowsSummaryAndMap) {
    ReportText report;
    const QString programDir = HandMapDir(4);
    Start(reportFolder.Write(QStringLiteral("plyrdata.3"), report.Build()), programDir);
    frmMap* map = mainWindow().mapWindow();
    ASSERT_NE(map, nullptr);
    mainWindow().setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(mainWindow().summaryWindow()->isVisible());
    mainWindow().setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(map->isVisible());  // only the normal size shows them again
    mainWindow().setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(mainWindow().summaryWindow()->isVisible());
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

TEST_F(MainWindowTest, AboutShowsNameVersionAndDate) {
    Menu("mnuAbout")->trigger();
    QWidget* about = mainWindow().findChild<QWidget*>("frmAbout");
    if (!about) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "frmAbout" && window->isVisible()) about = window;
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Zez-QM 32bit");
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), " V1.06");
    EXPECT_EQ(about->findChild<QLabel*>("lblDate")->text(), "1999-Feb-25");
    about->close();
}

}  // namespace
}  // namespace qm
