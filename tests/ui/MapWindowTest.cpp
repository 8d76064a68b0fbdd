#include "ui/MapFixture.h"

#include "ui/frmGrantAccess.h"
#include "ui/frmSpy.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>

namespace qm {
namespace {

using test::Message;

class MapWindowTest : public test::MapFixture {
protected:
    // Player 3 owns areas 5, 6, 10, 15, 20, 25 and 60 of the hand-made map (supply 2
    // each), with an army in 5, a fleet in 60 and a corps in France's area 12.
    void SetUp() override {
        test::ReportText report;
        report.areas = {{5, 3, 3, 1},  {12, 2, 3, 2}, {60, 3, 3, 3}, {7, 1, 0, 0}, {10, 3, 0, 0},
                        {15, 3, 0, 0}, {20, 3, 0, 0}, {25, 3, 0, 0}, {6, 3, 0, 0}};
        StartOnMap(report);
    }
};

TEST_F(MapWindowTest, OptionsAreNamedByTheirPlace) {
    for (int i = 0; i < static_cast<int>(kMapOptions.size()); ++i)
        EXPECT_EQ(map()->optCommand(i)->objectName(), QStringLiteral("optCommand%1").arg(i));
}

// What a double-click or a click orders is the core's (MapClicksTest); here the
// mouse reaching it, and the grid, totals and picture showing the result.
TEST_F(MapWindowTest, ABuildByDoubleClickAndAMoveCompletedByAClickNextDoorAreShown) {
    ASSERT_EQ(Summary(7), "7");
    const QRect around = InPicture({PointOf(10) - QPoint(30, 30), QSize(60, 60)});
    const QImage before = session().map.picture.picView.copy(around);
    DoubleClick(10, kBuildArmy);
    EXPECT_EQ(Grid(10, kColCommand), "AA");
    EXPECT_EQ(Summary(7), "5");
    EXPECT_NE(session().map.picture.picView.copy(around), before);
    EXPECT_EQ(TopArea(), 10);  // its click scrolled the grid to the area first

    DoubleClick(5, kMove);
    PointOf(6);  // scrolls first if need be, so that only the arrow changes the view
    const QImage armed = session().map.picture.picView.copy();
    Click(6);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Grid(5, kColParm1), "6");
    ASSERT_EQ(session().map.picture.ArrowTable.size(), 1u);
    EXPECT_NE(session().map.picture.picView, armed);
}

TEST_F(MapWindowTest, AfterAMessageBoxOfADoubleClickTheNextClickActs) {
    // A real modal box takes the double-click's last release: the view never sees it.
    program->port.SetMessageSink([this](const QString& text, MessageIcon icon) {
        messages.push_back({text, icon});
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        WindowsPort::ShowMessageBox(text, icon);
    });
    map()->optCommand(0)->setChecked(true);  // MO
    const QPoint at = PointOf(7);
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                      QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view()->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(view(), &event);
    }
    EXPECT_EQ(messages, (std::vector<Message>{{"No unit there owned by you", MessageIcon::Stop}}));
    Click(30);
    EXPECT_EQ(TopArea(), 30);
}

TEST_F(MapWindowTest, GrantsAndSpiesArePickedOnTheMap) {
    EXPECT_FALSE(Menu("mnuVictoryConditions")->isEnabled());  // not the first turn
    session().game.player(2).Relation[3] = u'A';              // France is now an ally
    Menu("mnuGrantAccess")->trigger();
    frmGrantAccess* grant = mainWindow().grantAccessWindow();
    ASSERT_TRUE(grant && grant->isVisible());
    grant->lstPlayers()->setCurrentRow(0);
    QTest::mouseClick(grant->cmdGrant(), Qt::LeftButton);
    Click(10);
    grant->txtArea()->clear();
    QTest::keyClicks(grant->txtArea(), "25");
    QTest::keyClick(grant->txtArea(), Qt::Key_Return);
    QTest::mouseClick(grant->cmdGrantAll(), Qt::LeftButton);
    EXPECT_TRUE(messages.empty());  // 25 taken whole, not first as area 2, not owned
    QStringList listed;
    for (int i = 0; i < grant->lstCommands()->count(); ++i)
        listed << grant->lstCommands()->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"GA FRNC 10", "GA FRNC25", "GA FRNC all "}));
    grant->close();

    Menu("mnuSpy")->trigger();
    frmSpy* spy = mainWindow().spyWindow();
    ASSERT_NE(spy, nullptr);
    for (int area : {10, 20, 30}) Click(area);
    spy->grdSpy()->setRangeSelected({0, 0, 0, 1}, true);
    QTest::mouseClick(spy->cmdDelete(), Qt::LeftButton);
    EXPECT_EQ(spy->grdSpy()->item(0, 0)->text(), " 30");
    spy->close();
    Click(40);  // clicks scroll again
    EXPECT_EQ(TopArea(), 40);
    EXPECT_EQ(session().game.CommandList[1].P[1], 30);  // closing wrote the spies' orders
}

TEST_F(MapWindowTest, ArmedOrderShowsItsStateAndEscapeOrARightClickLeavesNoOrder) {
    session().game.area(5).Name = "Loromark";
    const QString armed = "MO from 5 Loromark: click the target area, Esc cancels";
    for (const bool byEscape : {true, false}) {
        DoubleClick(5, kMove);
        EXPECT_TRUE(map()->staMap()->currentMessage().startsWith(armed));
        EXPECT_EQ(view()->cursor().shape(), Qt::CrossCursor);
        const QPoint source = PointOf(5);
        if (byEscape)
            QTest::keyClick(view(), Qt::Key_Escape);
        else
            QTest::mouseClick(map()->windowHandle(), Qt::RightButton, {}, InWindow(source));
        EXPECT_TRUE(session().interaction.MapMode.isEmpty());
        EXPECT_FALSE(map()->staMap()->currentMessage().startsWith(armed));
        EXPECT_NE(view()->cursor().shape(), Qt::CrossCursor);
        Click(6);  // no order follows
        EXPECT_TRUE(session().game.area(5).Command.isEmpty());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MapWindowTest, HoverDescribesTheAreaAndCtrlSSavesFromTheMapWindow) {
    const QPoint at = InWindow(PointOf(60));
    // A move to where the pointer already is may be dropped: one to the side first.
    QTest::mouseMove(map()->windowHandle(), at + QPoint(1, 1));
    QTest::mouseMove(map()->windowHandle(), at);
    EXPECT_EQ(map()->staMap()->currentMessage(),
              "60 Area 60: coast, supply 2; owner England (you); fleet of England (you)");
    QTableView* grid = mainWindow().grdArea();
    emit grid->entered(grid->model()->index(4, 0));  // a grid row tells the same of its area
    EXPECT_EQ(map()->staMap()->currentMessage(),
              "5 Area 5: land, supply 2; owner England (you); army of England (you)");

    map()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map()));
    QTest::keyClick(view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(reportFolder.Exists("commands.dat"));
}

TEST_F(MapWindowTest, DragWheelAndKeysScrollAcrossTheWrapAndCtrlWheelZooms) {
    QWindow* window = map()->windowHandle();
    DisplaySettings& display = session().map.display;
    const Geometry& geometry = session().map.geometry;
    display.MapX = -10, display.MapY = 0;
    const QPoint start = InWindow(QPoint(100, 100));
    QTest::mousePress(window, Qt::RightButton, {}, start);
    EXPECT_EQ(map()->windowTitle(), "Map - Drag Mode");
    QTest::mouseMove(window, start + QPoint(150, 40));
    QTest::mouseRelease(window, Qt::RightButton, {}, start + QPoint(150, 40));
    EXPECT_EQ(map()->windowTitle(), "Map");
    // 140 to the right of the west edge wraps; dragging down leaves no gap above.
    const int scale = map()->Scale();
    EXPECT_EQ(std::pair(int(display.MapX), int(display.MapY)),
              std::pair(150 * scale - 10 - geometry.MapWidth(), 0));

    auto wheel = [&](int angle, Qt::KeyboardModifiers keys) {
        QWheelEvent event(QPointF(50, 50), view()->mapToGlobal(QPointF(50, 50)), {}, {0, angle},
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    };
    display.MapX = -10, display.MapY = -200;
    wheel(120, {});  // up: two rows further north
    EXPECT_EQ(display.MapY, -200 + 2 * geometry.CellHeight);
    wheel(120, Qt::ShiftModifier);  // two columns west, across the wrap
    EXPECT_EQ(display.MapX, -10 + 2 * static_cast<int>(geometry.Pitch()) - geometry.MapWidth());
    QTest::keyClick(view(), Qt::Key_Down);
    EXPECT_EQ(display.MapY, -200);
    // Ctrl+wheel steps through the zoom sizes by two and stops at the largest.
    for (int i = 0; i < 4; ++i) wheel(120, Qt::ControlModifier);
    EXPECT_EQ(display.HexSize, 30);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(display.HexSize, 28);
}

}  // namespace
}  // namespace qm
