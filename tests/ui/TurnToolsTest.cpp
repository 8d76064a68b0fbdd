// Undo and redo, the turn check, the map picture and the recent reports, driven
// through the windows.

#include "ui/MapFixture.h"

#include "map/CellDrawing.h"
#include "ui/frmCallToArms.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmGrantAccess.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace qm {
namespace {

class TurnToolsTest : public test::MapFixture {
protected:
    // Player 3 owns areas 5, 6 and 10 of the hand-made map, an army in 5.
    void SetUp() override {
        test::ReportText report;
        report.areas = {{5, 3, 3, 1}, {6, 3, 0, 0}, {10, 3, 0, 0}};
        report.players[2][2] = "AAWAN";  // France and England allied
        StartOnMap(report);
    }
    QImage ViewAt(QPoint origin) {
        session().map.display.MapX = static_cast<std::int16_t>(origin.x());
        session().map.display.MapY = static_cast<std::int16_t>(origin.y());
        RefreshView(session().game, session().map, session().port);
        return session().map.picture.picView.copy();
    }
};

// The grid and the totals after every undo and redo are the core's (TurnSequenceTest).
TEST_F(TurnToolsTest, UndoAndRedoFollowTheMapAndTheCallToArmsDialog) {
    const QPoint origin(-40, 0);
    // An area redrawn alone differs by a border pixel from the whole board's drawing.
    for (std::int16_t area : {5, 10}) RedrawArea(session().game, session().map, area);
    const QImage before = ViewAt(origin);
    DoubleClick(10, kBuildArmy);
    DoubleClick(5, kMove);
    Click(6);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmCallToArms*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->lstAllies()->setCurrentRow(0);
        dialog->lstEnemies()->setCurrentRow(0);
        dialog->cmdCallToArms()->click();
        dialog->accept();
    });
    Menu("mnuCallToArms")->trigger();
    ASSERT_EQ(session().game.CommandList[3].Code, "CA");
    const QImage after = ViewAt(origin);
    ASSERT_NE(after, before);

    Menu("mnuUndo")->trigger();  // the dialog's visit is one step
    EXPECT_TRUE(session().game.CommandList[3].IsEmpty());
    map()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map()));
    QTest::keyClick(map(), Qt::Key_Z, Qt::ControlModifier);  // the keys work in the map window
    Menu("mnuUndo")->trigger();
    EXPECT_FALSE(Menu("mnuUndo")->isEnabled());
    EXPECT_EQ(ViewAt(origin), before);
    for (int step = 0; step < 3; ++step) Menu("mnuRedo")->trigger();
    EXPECT_EQ(ViewAt(origin), after);
}

TEST_F(TurnToolsTest, SaveOffersTheTurnCheckWhoseEntriesLeadToTheirAreas) {
    Menu("mnuSave")->trigger();
    ASSERT_TRUE(messages.empty()) << messages[0].text.toStdString();
    frmCheckTurn* check = mainWindow().checkTurnWindow();
    ASSERT_TRUE(check && QTest::qWaitForWindowExposed(check));
    QListWidget* list = check->lstFindings();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Area  5 Area 5: army has no order");

    session().map.display.MapX = -1000;
    const QPoint entry = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry);
    EXPECT_EQ(session().interaction.SelectedArea, 5);
    EXPECT_EQ(mainWindow().grdArea()->currentIndex().row(), 4);
    EXPECT_NE(session().map.display.MapX, -1000);
}

TEST_F(TurnToolsTest, GrantsAreTakenBackOnceTheirWindowIsClosed) {
    Menu("mnuGrantAccess")->trigger();
    frmGrantAccess* grant = mainWindow().grantAccessWindow();
    grant->lstPlayers()->setCurrentRow(0);
    QTest::mouseClick(grant->cmdGrantAll(), Qt::LeftButton);
    ASSERT_EQ(session().game.CommandList[3].Code, "GA");
    Menu("mnuUndo")->trigger();
    EXPECT_EQ(messages.size(), 1u);  // the window keeps its list: close it first
    grant->close();
    Menu("mnuUndo")->trigger();
    EXPECT_TRUE(session().game.CommandList[3].IsEmpty());
}

TEST_F(TurnToolsTest, TheExportedBoardHasTheBoardsSize) {
    const QString board = reportFolder.path() + "board.png";
    answers = {Answer::WholeBoard, Answer::WholeBoard};
    ASSERT_TRUE(turn().ExportMap(board));
    EXPECT_EQ(QImage(board).size(), session().map.picture.picMap.size());
    EXPECT_FALSE(turn().ExportMap(reportFolder.path() + "board.png/x.png"));
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace qm
