#include "orders/CommandList.h"
#include "session/Session.h"
#include "support/FakePort.h"
#include "support/MakeArea.h"
#include "ui/frmANW.h"
#include "ui/frmCallToArms.h"
#include "ui/frmGrantAccess.h"
#include "ui/frmRelations.h"
#include "ui/frmSupportAttack.h"
#include "ui/frmYourAreas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTest>

namespace qm {
namespace {

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

class DialogsTest : public ::testing::Test {
protected:
    // Germany (1) and France are allies (small letters count too); Germany's word
    // alone makes no alliance with England; Italy's alone makes war with Germany.
    DialogsTest() {
        GameState& game = session.game;
        game.CurrentPlayer = 1;
        game.PlayerCount = 6;
        game.CommandCount = 2;
        const char* names[][3] = {{"NEUT", "Neutral", "NNNNNN"}, {"GRMN", "Germany", "NNAANN"},
                                  {"FR", "France", "NaNNNN"},    {"ENGL", "England", "NNNNNN"},
                                  {"ITLY", "Italy", "NWNNNN"},   {"RUSS", "Russia", "NNNNNN"}};
        for (int p = 0; p < 6; ++p) {
            game.player(p).ShortName = names[p][0];
            game.player(p).PlayerName = names[p][1];
            for (int q = 0; q < 6; ++q)
                game.player(p).Relation[static_cast<std::size_t>(q)] = QChar(names[p][2][q]);
        }
        for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    }

    test::FakePort port;
    Session session{port};
};

TEST_F(DialogsTest, RelationsGridIsSymmetricWithEmptyDiagonal) {
    frmRelations dialog(session.game);
    QTableWidget* grid = dialog.grdRelations();
    ASSERT_EQ(std::pair(grid->rowCount(), grid->columnCount()), std::pair(6, 6));
    EXPECT_EQ(
        std::tuple(grid->item(0, 0)->text(), grid->item(0, 2)->text(), grid->item(2, 0)->text()),
        std::tuple("", "FR", "FR"));
    const QString marks[6] = {"", " A W ", "A    ", "     ", "W    ", "     "};
    for (int i = 1; i < 6; ++i)
        for (int j = 1; j < 6; ++j)
            EXPECT_EQ(grid->item(i, j)->text(), marks[i].mid(j - 1, 1).trimmed()) << i << j;
}

TEST_F(DialogsTest, RelationsShowEveryShortNameWholeAtAnyFont) {
    const char* wide[] = {"ORMA", "GAMM", "WWWW", "MMMM", "OO"};
    for (int p = 1; p <= 5; ++p) session.game.player(p).ShortName = wide[p - 1];
    const QFont normal = QApplication::font();
    for (const int pointSize : {normal.pointSize(), 23}) {
        QFont font = normal;
        font.setPointSize(pointSize);
        font.setBold(pointSize != normal.pointSize());
        QApplication::setFont(font);
        frmRelations dialog(session.game);
        QTableWidget* grid = dialog.grdRelations();
        // The style draws a cell's text inside this margin on either side.
        const int margin =
            grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        const QFontMetrics metrics(grid->font());
        for (int p = 1; p <= 5; ++p) {
            for (QTableWidgetItem* item : {grid->item(0, p), grid->item(p, 0)}) {
                const int room = grid->visualItemRect(item).width() - 2 * margin;
                EXPECT_EQ(metrics.elidedText(item->text(), Qt::ElideRight, room), wide[p - 1])
                    << pointSize;
            }
        }
    }
    QApplication::setFont(normal);
}

// The lines are the core's (YourAreasTest); the window shows them in a fixed pitch.
TEST_F(DialogsTest, YourAreasShowsTheAreasAsRefreshed) {
    frmYourAreas window(session.game);
    const QFontMetrics metrics(window.lstYourAreas()->font());
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MM  "));
    session.game.area(105) = test::MakeArea(1, kLand, 0, kCorps, 1, "SD", 7);
    QTest::mouseClick(window.cmdRefreash(), Qt::LeftButton);
    EXPECT_EQ(Texts(*window.lstYourAreas()), QStringList{"105 GRMN C SD   7"});
}

// Which players are listed is the core's (CommandListTest); the dialog shows them.
TEST_F(DialogsTest, CallToArmsListsDeclarationsAndRecordsOrders) {
    // Who counts as ally and enemy is the core's (CommandListTest).
    ASSERT_TRUE(AddCommand(session.game, session.port, "DW", 3, 0, 0, 0));  // England: an enemy
    frmCallToArms dialog(session);
    EXPECT_EQ(Texts(*dialog.lstEnemies()), (QStringList{"England", "Italy"}));
    dialog.lstAllies()->setCurrentRow(0);
    dialog.lstEnemies()->setCurrentRow(1);
    QTest::mouseClick(dialog.cmdCallToArms(), Qt::LeftButton);
    QTest::mouseClick(dialog.cmdCallToArms(), Qt::LeftButton);  // repeats are allowed
    EXPECT_EQ(Texts(*dialog.lstCommands()), (QStringList{"CA FR ITLY", "CA FR ITLY"}));
    const CommandRecord& order = session.game.CommandList[5];
    EXPECT_EQ(std::tuple(order.Code, order.P[1], order.P[2]), std::tuple("CA", 2, 4));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

// Deletes the first of two listed orders, then presses Delete once more: only the
// picked order goes, since nothing is left selected.
void DeleteTwiceAfterPickingTheFirst(Session& session, QListWidget& list, QPushButton& del) {
    ASSERT_EQ(list.count(), 2);
    list.setCurrentRow(0);
    QTest::mouseClick(&del, Qt::LeftButton);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    QTest::mouseClick(&del, Qt::LeftButton);
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(session.game.CommandList[3].IsEmpty());
    EXPECT_FALSE(session.game.CommandList[4].IsEmpty());
}

TEST_F(DialogsTest, DeleteLeavesNothingSelected) {
    ASSERT_TRUE(AddCommand(session.game, session.port, "DN", 2, 0, 0, 0));
    ASSERT_TRUE(AddCommand(session.game, session.port, "DW", 4, 0, 0, 0));
    frmANW anw(session);
    DeleteTwiceAfterPickingTheFirst(session, *anw.lstCommands(), *anw.cmdDelete());

    session.game.CommandList[3] = {"GA", {0, 2, 7, 0, 0}};
    session.game.CommandList[4] = {"GA", {0, 2, -1, 0, 0}};
    frmGrantAccess grant(session);
    DeleteTwiceAfterPickingTheFirst(session, *grant.lstCommands(), *grant.cmdDelete());

    session.game.CommandList[3] = {"CA", {0, 2, 4, 0, 0}};
    session.game.CommandList[4] = {"CA", {0, 2, 4, 0, 0}};
    frmCallToArms call(session);
    DeleteTwiceAfterPickingTheFirst(session, *call.lstCommands(), *call.cmdDelete());
}

TEST_F(DialogsTest, GrantAccessTakesATypedNumberWhileItStillShowsOnClosing) {
    session.game.area(7).Owner = 1;
    session.history.Reset();
    for (const char* typed : {"8", "7"}) {
        port.messages.clear();
        QPointer<frmGrantAccess> window = new frmGrantAccess(session);
        // Not activated: the field's leaving, which takes the number too, comes
        // from the window system in its own time, often after the window went.
        window->show();
        window->lstPlayers()->setCurrentRow(0);  // France
        window->txtArea()->selectAll();
        QTest::keyClicks(window->txtArea(), typed);  // no Enter
        std::vector<bool> shownWithWindow;
        port.onMessage = [&] { shownWithWindow.push_back(window && window->isVisible()); };
        window->close();
        // Taken as the window closes, not when the field's leaving comes later.
        const QString taken = session.game.CommandList[3].Code;
        const int told = static_cast<int>(port.messages.size());
        QApplication::processEvents();
        port.onMessage = nullptr;
        if (typed == std::string("8")) {
            EXPECT_EQ(port.messages,
                      std::vector<test::Message>(
                          {{"Must own the area to grant access", MessageIcon::Stop}}));
            EXPECT_EQ(shownWithWindow, std::vector<bool>{true});
            EXPECT_FALSE(session.history.CanUndo());
        }
        EXPECT_EQ(std::pair(taken, told), typed == std::string("8") ? std::pair(QString(), 1)
                                                                    : std::pair(QString("GA"), 0));
    }
    const CommandRecord& order = session.game.CommandList[3];
    EXPECT_EQ(std::tuple(order.Code, order.P[1], order.P[2]), std::tuple("GA", 2, 7));
    // One step, which takes the grant back.
    ASSERT_TRUE(session.history.Undo(session.orders()));
    EXPECT_TRUE(session.game.CommandList[3].IsEmpty());
    EXPECT_FALSE(session.history.CanUndo());
}

TEST_F(DialogsTest, SupportAttackAnswersTheDoubleClickedAllyOrElseTheOwnAttack) {
    ASSERT_TRUE(AddCommand(session.game, session.port, "DA", 5, 0, 0, 0));
    frmSupportAttack dialog(session.game);
    EXPECT_EQ(Texts(*dialog.lstAllies()), (QStringList{"France", "Russia"}));
    dialog.show();
    QListWidget* list = dialog.lstAllies();
    const QPoint russia = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, russia);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, russia);
    EXPECT_EQ(dialog.answer(), SupportAnswer(5));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());

    frmSupportAttack closed(session.game);
    closed.show();
    closed.lstAllies()->setCurrentRow(0);  // selected, not chosen
    closed.close();
    EXPECT_EQ(closed.answer(), std::nullopt);

    frmSupportAttack buttons(session.game);
    EXPECT_FALSE(buttons.cmdSupportAlly()->isEnabled());
    buttons.lstAllies()->setCurrentRow(0);
    QTest::mouseClick(buttons.cmdSupportAlly(), Qt::LeftButton);
    EXPECT_EQ(buttons.answer(), SupportAnswer(2));
}

}  // namespace
}  // namespace qm
