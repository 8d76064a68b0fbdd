#include "ui/WindowsPort.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace qm {
namespace {

using BoxCase = std::pair<MessageIcon, QMessageBox::Icon>;
class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, CaptionIsWinQmWithOneOkButtonAndTheKindsIcon) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = true;
        EXPECT_EQ(box->windowTitle(), "WIN-QM");
        EXPECT_EQ(box->text(), "Area  7 not owned by you");
        EXPECT_EQ(box->icon(), GetParam().second);
        EXPECT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    WindowsPort::ShowMessageBox(QStringLiteral("Area  7 not owned by you"), GetParam().first);
    EXPECT_TRUE(shown);
}

std::string IconName(const ::testing::TestParamInfo<BoxCase>& info) {
    const char* const names[] = {"None", "Stop", "Exclamation", "Information"};
    return names[info.index];
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxTest, ::testing::Values(
    BoxCase{MessageIcon::None, QMessageBox::NoIcon},
    BoxCase{MessageIcon::Stop, QMessageBox::Critical},
    BoxCase{MessageIcon::Exclamation, QMessageBox::Warning},
    BoxCase{MessageIcon::Information, QMessageBox::Information}),
    IconName);
// clang-format on

}  // namespace
}  // namespace qm
