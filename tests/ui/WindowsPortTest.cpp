#include "ui/WindowsFixture.h"

#include "ui/AreaGridModel.h"
#include "ui/frmSummary.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace qm {
namespace {

struct BoxCase {
    MessageIcon icon;
    QMessageBox::Icon shown;
};

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, CaptionIsWinQmWithOneOkButtonAndTheKindsIcon) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    WindowsPort::ShowMessageBox(QStringLiteral("Area  7 not owned by you"), GetParam().icon);
    EXPECT_EQ(title, "WIN-QM");
    EXPECT_EQ(text, "Area  7 not owned by you");
    EXPECT_EQ(icon, GetParam().shown);
    EXPECT_EQ(buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxTest,
                         ::testing::Values(BoxCase{MessageIcon::None, QMessageBox::NoIcon},
                                           BoxCase{MessageIcon::Stop, QMessageBox::Critical},
                                           BoxCase{MessageIcon::Exclamation, QMessageBox::Warning},
                                           BoxCase{MessageIcon::Information,
                                                   QMessageBox::Information}));

class WindowsPortTest : public test::WindowsFixture {};

TEST_F(WindowsPortTest, CellsTitleAndMenusReachTheMainWindow) {
    WindowPort& port = program->port;
    port.SetTitle("QM001 Germany");
    EXPECT_EQ(mainWindow().windowTitle(), "QM001 Germany");
    port.SetGridRows(GridId::Area, 274);
    port.SetGridCell(GridId::Area, 9, kColName, "Ruhr");
    EXPECT_EQ(mainWindow().areaGrid().GridCell(9, kColName), "Ruhr");
    port.SetGridCell(GridId::Summary, 7, 1, "-3");
    port.SetGridCell(GridId::Summary, 8, 1, "ignored");
    port.SetGridCell(GridId::Summary, 0, 0, "ignored");
    QTableWidget* summary = mainWindow().summaryWindow()->grdSummary();
    EXPECT_EQ(summary->item(7, 1)->text(), "-3");
    EXPECT_EQ(summary->item(0, 0)->text(), "Armies");
    port.EnableMenu(MenuCommand::Open, false);
    EXPECT_FALSE(mainWindow().menuAction("mnuOpen")->isEnabled());
    port.EnableMenu(MenuCommand::Save, true);
    EXPECT_TRUE(mainWindow().menuAction("mnuSave")->isEnabled());
}

TEST_F(WindowsPortTest, BusyPointerIsBalanced) {
    WindowPort& port = program->port;
    port.SetBusy(false);  // an unmatched end changes nothing
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    port.SetBusy(true);
    port.SetBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    port.SetBusy(false);
    port.SetBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const QString path = reportFolder.Write("plyrdata.3", test::ReportText{}.Build());
    session().game.ProgramDir = HandMapDir(4);
    mainWindow().OpenReport(path, false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace qm
