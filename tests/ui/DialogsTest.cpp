#include "ui/WindowsFixture.h"

#include "orders/CommandList.h"
#include "ui/frmCallToArms.h"
#include "ui/frmRelations.h"
#include "ui/frmSupportAttack.h"
#include "ui/frmYourAreas.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace qm {
namespace {

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

void Select(QListWidget& list, const QString& text) {
    const auto found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list.setCurrentItem(found.front());
}

class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() {
        GameState& game = session.game;
        game.CurrentPlayer = 1;
        game.PlayerCount = 6;
        game.CommandCount = 2;
        const char* names[][2] = {{"NEUT", "Neutral"}, {"GRMN", "Germany"}, {"FR", "France"},
                                  {"ENGL", "England"}, {"ITLY", "Italy"},   {"RUSS", "Russia"}};
        for (int p = 0; p < 6; ++p) {
            game.player(p).ShortName = names[p][0];
            game.player(p).PlayerName = names[p][1];
        }
        SetRelation(1, 2, 'A');
        SetRelation(2, 1, 'a');  // small letters count too
        SetRelation(1, 3, 'A');  // one-sided: no alliance
        SetRelation(3, 1, 'N');
        SetRelation(4, 1, 'W');  // war declared by one side is war
        SetRelation(1, 4, 'N');
        for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    }
    void SetRelation(int from, int to, char letter) {
        session.game.player(from).Relation[static_cast<std::size_t>(to)] = QChar(letter);
    }

    test::FakePort port;
    Session session{port};
};

TEST_F(DialogsTest, RelationsGridIsSymmetricWithEmptyDiagonal) {
    frmRelations dialog(session.game);
    EXPECT_EQ(dialog.windowTitle(), "Relations");
    QTableWidget* grid = dialog.grdRelations();
    ASSERT_EQ(grid->rowCount(), 6);
    ASSERT_EQ(grid->columnCount(), 6);
    EXPECT_EQ(grid->item(0, 0)->text(), "");
    EXPECT_EQ(grid->item(0, 2)->text(), "FR");
    EXPECT_EQ(grid->item(2, 0)->text(), "FR");
    EXPECT_EQ(grid->item(0, 5)->text(), "RUSS");
    const QString expected[6][6] = {
        {},
        {"", "", "A", "", "W", ""},
        {"", "A", "", "", "", ""},
        {"", "", "", "", "", ""},
        {"", "W", "", "", "", ""},
        {"", "", "", "", "", ""},
    };
    for (int i = 1; i < 6; ++i)
        for (int j = 1; j < 6; ++j) EXPECT_EQ(grid->item(i, j)->text(), expected[i][j]) << i << j;
    const QFontMetrics metrics(grid->font());
    EXPECT_EQ(grid->columnWidth(3), metrics.horizontalAdvance("GRMN") + 4);
    EXPECT_EQ(grid->item(1, 2)->textAlignment(), int(Qt::AlignCenter));
}

TEST_F(DialogsTest, YourAreasListsLinesAndRefreshRebuildsThem) {
    GameState& game = session.game;
    game.area(7).Owner = 1;
    game.area(7).UnitOwner = 1;
    game.area(7).UnitType = kArmy;
    game.area(7).Command = "MO";
    game.area(7).Parm1 = 12;
    game.area(105).Owner = 2;
    game.area(105).UnitOwner = 1;
    game.area(105).UnitType = kCorps;
    frmYourAreas window(game);
    EXPECT_EQ(window.windowTitle(), "Your Areas");
    EXPECT_EQ(window.cmdRefreash()->text(), "Refresh");
    const QFontMetrics metrics(window.lstYourAreas()->font());
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MM  "));
    EXPECT_EQ(Texts(*window.lstYourAreas()), (QStringList{"  7 GRMN A MO  12", "105   FR C  "}));

    game.area(105).Command = "SD";
    game.area(105).Parm1 = 7;
    EXPECT_EQ(window.lstYourAreas()->item(1)->text(), "105   FR C  ");  // a snapshot
    QTest::mouseClick(window.cmdRefreash(), Qt::LeftButton);
    EXPECT_EQ(Texts(*window.lstYourAreas()), (QStringList{"  7 GRMN A MO  12", "105   FR C SD   7"}));
}

TEST_F(DialogsTest, CallToArmsListsDeclarationsAndRecordsOrders) {
    ASSERT_TRUE(AddCommand(session, "DA", 5, 0, 0, 0));  // Russia: ally by this turn's order
    ASSERT_TRUE(AddCommand(session, "DW", 3, 0, 0, 0));  // England: enemy by this turn's order
    ASSERT_TRUE(AddCommand(session, "DW", 2, 0, 0, 0));  // France stays an ally
    frmCallToArms dialog(session);
    EXPECT_EQ(dialog.windowTitle(), "Call To Arms");
    EXPECT_EQ(Texts(*dialog.lstAllies()), (QStringList{"France", "Russia"}));
    EXPECT_EQ(Texts(*dialog.lstEnemies()), (QStringList{"England", "Italy"}));
    EXPECT_EQ(dialog.cmdCallToArms()->text(), "Call To Arms");
    EXPECT_EQ(dialog.cmdDelete()->text(), "Delete");

    QTest::mouseClick(dialog.cmdCallToArms(), Qt::LeftButton);  // nothing selected
    EXPECT_EQ(dialog.lstCommands()->count(), 0);
    Select(*dialog.lstAllies(), "France");
    Select(*dialog.lstEnemies(), "Italy");
    QTest::mouseClick(dialog.cmdCallToArms(), Qt::LeftButton);
    QTest::mouseClick(dialog.cmdCallToArms(), Qt::LeftButton);  // repeats are allowed
    EXPECT_EQ(Texts(*dialog.lstCommands()), (QStringList{"CA FR ITLY", "CA FR ITLY"}));
    const CommandRecord& order = session.game.CommandList[6];
    EXPECT_EQ(order.Code, "CA");
    EXPECT_EQ(order.P[1], 2);
    EXPECT_EQ(order.P[2], 4);
    EXPECT_EQ(session.game.CommandList[7].Code, "CA");

    dialog.lstCommands()->setCurrentRow(0);
    QTest::mouseClick(dialog.cmdDelete(), Qt::LeftButton);
    EXPECT_TRUE(session.game.CommandList[6].IsEmpty());
    EXPECT_EQ(dialog.lstCommands()->count(), 1);
    EXPECT_EQ(dialog.lstCommands()->item(0)->data(Qt::UserRole).toInt(), 7);

    frmCallToArms reopened(session);
    EXPECT_EQ(Texts(*reopened.lstCommands()), (QStringList{"CA FR ITLY"}));
}

TEST_F(DialogsTest, SupportAttackAnswersTheDoubleClickedAlly) {
    ASSERT_TRUE(AddCommand(session, "DA", 5, 0, 0, 0));
    session.interaction.SupportedPlayer = 4;
    frmSupportAttack dialog(session);
    EXPECT_EQ(dialog.windowTitle(), "Support Attack");
    EXPECT_EQ(session.interaction.SupportedPlayer, 1);  // the own attack until chosen
    EXPECT_EQ(Texts(*dialog.lstAllies()), (QStringList{"France", "Russia"}));
    dialog.show();
    QListWidget* list = dialog.lstAllies();
    const QPoint russia = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, russia);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, russia);
    EXPECT_EQ(session.interaction.SupportedPlayer, 5);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogsTest, SupportAttackClosedWithoutChoiceIsTheOwnAttack) {
    frmSupportAttack dialog(session);
    dialog.show();
    dialog.lstAllies()->setCurrentRow(0);
    dialog.close();
    EXPECT_EQ(session.interaction.SupportedPlayer, 1);
}

}  // namespace
}  // namespace qm
