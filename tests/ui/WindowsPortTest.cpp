#include "ui/WindowsFixture.h"

#include <QMessageBox>
#include <QPushButton>
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
    qsizetype buttons = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
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

TEST_F(WindowsPortTest, BusyPointerIsBalanced) {
    WindowPort& port = program->port;
    port.SetBusy(true);
    port.SetBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    port.SetBusy(false);
    port.SetBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    Start(WriteReport(), HandMapDir());  // a whole start-up leaves the pointer as it was
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace qm
