// A whole turn of the sample given from the keyboard alone, against the same
// orders given with the mouse: the orders files must be the same.

#include "ui/MapFixture.h"

#include "orders/Declarations.h"
#include "orders/GrantAccess.h"
#include "orders/SpyTargets.h"
#include "state/TurnRules.h"
#include "ui/ModelessWindows.h"
#include "ui/frmCheckTurn.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace qm {
namespace {

QByteArray SampleReport() {
    QFile file(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/plyrdata.2"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class KeyboardTurnTest : public test::MapFixture {
protected:
    void StartOnSample(const test::TempFolder& folder) {
        Start(folder.Write("plyrdata.2", SampleReport()), QStringLiteral(ZEZ_BIN_DIR));
        messages.clear();
        ASSERT_NE(map(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(map()));
        map()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(map()));
        view()->setFocus();
    }
    GameState& game() { return session().game; }
    void Type(QWidget* widget, const QString& text) {
        QTest::keyClicks(widget, text);
        QTest::keyClick(widget, Qt::Key_Return);
    }
    void OrderLine(const QString& line) {
        QTest::keyClick(view(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(map()->txtOrderLine()->hasFocus()) << line.toStdString();
        map()->txtOrderLine()->clear();
        Type(map()->txtOrderLine(), line);
        EXPECT_TRUE(map()->txtOrderLine()->text().isEmpty()) << line.toStdString();
        QTest::keyClick(map()->txtOrderLine(), Qt::Key_Escape);  // back to the map
    }

    // The turn's orders, chosen from what the sample holds: a build on an
    // empty own centre, a move of the first unit without an order, a support
    // of that move, a convoy, a declaration, a grant and two spies.
    struct Plan {
        std::int16_t build = 0, mover = 0, target = 0, supporter = 0;
        std::int16_t coast = 0, sea = 0, landing = 0;
    };
    Plan Choose() {
        Plan plan;
        const GameState& g = game();
        auto own = [&](int a) { return IsOwnUnit(g.area(a), g.CurrentPlayer); };
        for (std::int16_t a = 1; a <= kLastArea && plan.build == 0; ++a)
            if (g.area(a).Owner == g.CurrentPlayer && g.area(a).Supply >= 2 &&
                g.area(a).UnitType == kNoUnit && g.area(a).AreaType == kLand)
                plan.build = a;
        for (std::int16_t c = 1; c <= kLastArea && plan.coast == 0; ++c) {
            const std::int16_t carried = g.area(c).UnitType;
            if (!own(c) || g.area(c).AreaType != kCoast || (carried != kArmy && carried != kCorps))
                continue;
            // A fleet carries either, a squadron a corps.
            auto carries = [&](int w) {
                return g.area(w).UnitType == kFleet ||
                       (g.area(w).UnitType == kSquadron && carried == kCorps);
            };
            for (const std::int16_t w : g.area(c).Neighbours)
                if (w > 0 && own(w) && g.area(w).AreaType == kWater && carries(w) &&
                    plan.coast == 0)
                    for (const std::int16_t l : g.area(w).Neighbours)
                        if (l > 0 && l != c && g.area(l).AreaType != kWater &&
                            g.area(l).UnitType == kNoUnit && plan.coast == 0)
                            plan = {plan.build, 0, 0, 0, c, w, l};
        }
        return plan;
    }
};

TEST_F(KeyboardTurnTest, AWholeTurnFromTheKeyboardSavesWhatTheMouseWouldSave) {
    test::TempFolder byKeys, byMouse;
    StartOnSample(byKeys);
    Plan plan = Choose();
    ASSERT_NE(plan.build, 0);
    ASSERT_NE(plan.coast, 0);

    // The build: found by number, option key 1 (AA), Enter.
    QTest::keyClick(view(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(map()->txtFind()->hasFocus());
    Type(map()->txtFind(), QString::number(plan.build));
    EXPECT_EQ(session().interaction.SelectedArea, plan.build);
    EXPECT_TRUE(view()->hasFocus());
    QTest::keyClick(view(), Qt::Key_1);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(game().area(plan.build).Command, "AA");

    // The move: N picks the first unit without an order, M and Enter arm the
    // move, an arrow steps to a neighbour it may enter, Enter takes it.
    QTest::keyClick(view(), Qt::Key_N);
    plan.mover = session().interaction.SelectedArea;
    ASSERT_EQ(plan.mover, NextUnitWithoutOrder(game(), plan.build, false));
    EXPECT_EQ(TopArea(), std::min<int>(plan.mover, kLastTopRow));
    QTest::keyClick(view(), Qt::Key_M);
    QTest::keyClick(view(), Qt::Key_Return);
    ASSERT_EQ(session().interaction.MapMode, "MO");
    // The arrow toward a land neighbour, as the player sees it on the map.
    const std::pair<Qt::Key, QPoint> arrows[] = {{Qt::Key_Right, {1, 0}},
                                                 {Qt::Key_Down, {0, 1}},
                                                 {Qt::Key_Left, {-1, 0}},
                                                 {Qt::Key_Up, {0, -1}}};
    for (const auto& [arrow, way] : arrows) {
        const std::int16_t next =
            NeighbourToward(game(), session().map, plan.mover, way.x(), way.y());
        if (next == 0 || game().area(next).AreaType == kWater) continue;
        plan.target = next;
        QTest::keyClick(view(), arrow);
        EXPECT_TRUE(view()->accessibleDescription().startsWith(QString::number(next) + ' '));
        break;
    }
    ASSERT_NE(plan.target, 0) << "no land beside " << plan.mover;
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(game().area(plan.mover).Command, "MO");
    EXPECT_EQ(game().area(plan.mover).Parm1, plan.target);
    messages.clear();  // the owner warning of a move into foreign land, if any

    // The rest on the order line: a support of the move, the convoy, a
    // declaration, a grant and spies.
    for (const std::int16_t a : game().area(plan.target).Neighbours)
        if (a > 0 && a != plan.mover && AwaitsOrder(game(), a) && plan.supporter == 0 &&
            a != plan.coast && a != plan.sea)
            plan.supporter = a;
    if (plan.supporter != 0)
        OrderLine(QStringLiteral("SA %1 %2").arg(plan.supporter).arg(plan.target));
    OrderLine(QStringLiteral("CO %1 %2").arg(plan.coast).arg(plan.sea));
    OrderLine(QStringLiteral("co %1 %2").arg(plan.sea).arg(game().area(plan.landing).Name));
    OrderLine(QStringLiteral("DA Balquor_Union"));
    OrderLine(QStringLiteral("GA ORMA ALL"));
    OrderLine(QStringLiteral("SP 129 135"));
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();

    // Checked and saved from the map window's keys too.
    QTest::keyClick(view(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_NE(mainWindow().windows().checkTurn(), nullptr);
    EXPECT_TRUE(mainWindow().windows().checkTurn()->isVisible());
    QTest::keyClick(view(), Qt::Key_S, Qt::ControlModifier);
    const QByteArray typed = byKeys.Read("commands.dat");
    ASSERT_FALSE(typed.isEmpty());

    // The same orders with the mouse, and the dialogs' own steps.
    NewProgram();
    StartOnSample(byMouse);
    DoubleClick(plan.build, kBuildArmy);
    DoubleClick(plan.mover, kMove);
    Click(plan.target);
    if (plan.supporter != 0) {
        DoubleClick(plan.supporter, kSupportAttack);
        Click(plan.target);
    }
    DoubleClick(plan.coast, kConvoy);
    Click(plan.sea);
    DoubleClick(plan.sea, kConvoy);
    Click(plan.landing);
    Declare(game(), session().port, kDeclareAlliance, 5);
    GrantAll(game(), session().port, std::int16_t{3});
    SpyTargets spies;
    OpenSpyTargets(game(), session().interaction, spies);
    SpyOrder(spies, session().port, 129), SpyOrder(spies, session().port, 135);
    CloseSpyTargets(game(), session().interaction, spies);
    messages.clear();
    QTest::keyClick(view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(typed, byMouse.Read("commands.dat"));
}

TEST_F(KeyboardTurnTest, OrderLineRecallsRefusedAndEarlierLinesAndCompletes) {
    test::TempFolder folder;
    StartOnSample(folder);
    QLineEdit* line = map()->txtOrderLine();
    QTest::keyClick(view(), Qt::Key_L, Qt::ControlModifier);
    Type(line, "MO 1 2");
    EXPECT_EQ(line->text(), "MO 1 2");  // refused: kept for correction
    EXPECT_EQ(messages.at(0).text, "No unit there owned by you");
    line->clear();
    Type(line, "SP 129");
    EXPECT_TRUE(line->text().isEmpty());
    QTest::keyClick(line, Qt::Key_Up);
    EXPECT_EQ(line->text(), "SP 129");
    QTest::keyClick(line, Qt::Key_Up);
    EXPECT_EQ(line->text(), "MO 1 2");
    QTest::keyClick(line, Qt::Key_Down);
    QTest::keyClick(line, Qt::Key_Down);
    EXPECT_TRUE(line->text().isEmpty());
    // The word being typed completes from the players' names, short ones first.
    QTest::keyClicks(line, "DA Balq");
    QWidget* list = QApplication::activePopupWidget();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(line->text(), "DA BALQ ");
    QApplication::processEvents();  // the Enter that picked the word has gone by
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(game().CommandList[3].Code, "DA");
}

// Every window and control a screen reader can reach has a name.
TEST_F(KeyboardTurnTest, EveryWindowAndControlHasAnAccessibleName) {
    test::TempFolder folder;
    StartOnSample(folder);
    Menu("mnuCheckTurn")->trigger();
    Menu("mnuMapLegend")->trigger();
    QStringList nameless;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets << window;
        for (QWidget* widget : widgets)
            if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus &&
                widget->accessibleName().isEmpty())
                nameless << widget->metaObject()->className() + QStringLiteral(" ") +
                                widget->objectName();
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();
    EXPECT_EQ(map()->optCommand(1)->accessibleName(), "SA");
    EXPECT_EQ(mainWindow().windows().checkTurn()->lstFindings()->accessibleName(), "Findings list");
    // The legend lists the keys.
    QStringList legend;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmMapLegend")
            for (const QLabel* label : window->findChildren<QLabel*>()) legend << label->text();
    EXPECT_TRUE(legend.contains("<b>Ctrl+L</b>")) << legend.join('|').toStdString();
    EXPECT_TRUE(
        legend.contains("M MO, A SA, S SD, O CO, D DU, R RU, 1 AA, 2 AC, 3 AF, 4 AS, U UU, "
                        "C Cancel"));
    EXPECT_EQ(map()->optCommand(1)->text(), "S&A");  // the key, underlined
    EXPECT_EQ(map()->optCommand(6)->text(), "AA");   // built by its number, 1
}

}  // namespace
}  // namespace qm
