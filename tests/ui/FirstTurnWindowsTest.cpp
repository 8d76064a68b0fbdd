#include "ui/WindowsFixture.h"

#include "orders/CommandList.h"

#include "ui/frmANW.h"
#include "ui/frmSpy.h"
#include "ui/frmVictoryConditions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace qm {
namespace {

// England (3) in the first turn of a game: allied with France, neutral to Germany.
class FirstTurnWindowsTest : public test::WindowsFixture {
protected:
    void SetUp() override {
        test::ReportText report;
        report.year = "1880";
        report.turn = "1";
        report.players[2][2] = "NNNAN";
        report.players[3][2] = "NNANN";
        Start(WriteReport(report), HandMapDir());
        messages.clear();  // the missing working copy
    }
};

TEST_F(FirstTurnWindowsTest, DeclarationsAndProposalGoFromTheMenusToTheOrdersFile) {
    QTimer::singleShot(0, [] {
        auto* anw = qobject_cast<frmANW*>(QApplication::activeModalWidget());
        ASSERT_NE(anw, nullptr);
        EXPECT_FALSE(anw->cmdWar()->isEnabled());
        anw->lstNeutrals()->setCurrentRow(0);
        QTest::mouseClick(anw->cmdAlly(), Qt::LeftButton);
        anw->lstAllies()->setCurrentRow(0);
        QTest::mouseClick(anw->cmdNeutral(0), Qt::LeftButton);
        EXPECT_EQ(anw->lstCommands()->item(1)->text(), "DN France");
        anw->close();
    });
    Menu("mnuANW")->trigger();  // the refusals are the core's (ListOrdersTest)

    ASSERT_TRUE(Menu("mnuVictoryConditions")->isEnabled());
    Menu("mnuVictoryConditions")->trigger();
    frmVictoryConditions* vc = mainWindow().victoryConditionsWindow();
    ASSERT_TRUE(vc && vc->isVisible());
    EXPECT_EQ(QStringList({vc->txtVC(0)->text(), vc->txtVC(1)->text()}),
              QStringList({"10", "300"}));

    vc->hsclVC(0)->setValue(vc->hsclVC(0)->maximum());
    vc->txtVC(1)->selectAll();
    QTest::keyClicks(vc->txtVC(1), "99999");
    QTest::keyClick(vc->txtVC(1), Qt::Key_Return);
    EXPECT_EQ(messages.back().text,
              "The number of points must lie between -32768 and 32767; the proposal keeps  300");
    vc->close();
    Menu("mnuSave")->trigger();
    EXPECT_TRUE(reportFolder.Read("commands.dat")
                    .endsWith("DA  1 \r\nDN  2 \r\nVC  40   300 \r\nKVOEND\r\n"));
}

TEST_F(FirstTurnWindowsTest, TheProposalIsAnUndoStepOfItsOwn) {
    const auto proposals = [this] {
        int count = 0;
        for (const CommandRecord& order : session().game.CommandList) count += order.Code == "VC";
        return count;
    };
    GameState& game = session().game;
    session().history.Record(game, [&] { AddCommand(game, session().port, "DA", 1, 0, 0, 0); });
    Menu("mnuVictoryConditions")->trigger();
    mainWindow().victoryConditionsWindow()->txtVC(0)->setText("25");
    mainWindow().victoryConditionsWindow()->close();
    ASSERT_EQ(proposals(), 1);
    ASSERT_TRUE(session().history.Undo(session().orders()));
    EXPECT_EQ(std::pair(proposals(), game.CommandList[3].Code), std::pair(0, QString("DA")));
    ASSERT_TRUE(session().history.Undo(session().orders()));
    EXPECT_TRUE(game.CommandList[3].IsEmpty());
    EXPECT_FALSE(session().history.CanUndo());
}

TEST_F(FirstTurnWindowsTest, AnOpenSpyWindowGetsItsMapClicksBackWhenAnotherWindowCloses) {
    Menu("mnuSpy")->trigger();
    Menu("mnuVictoryConditions")->trigger();
    EXPECT_EQ(session().interaction.MapMode, "VC");
    mainWindow().victoryConditionsWindow()->close();
    EXPECT_EQ(session().interaction.MapMode, "SP");
    mainWindow().spyWindow()->close();
    EXPECT_EQ(session().interaction.MapMode, "");
}

}  // namespace
}  // namespace qm
