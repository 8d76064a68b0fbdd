#include "ui/WindowsPort.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qm {
namespace {

// Runs `look` on the box the next call shows, then the call itself.
template <class Look, class Call>
void OnTheBox(Look look, Call call) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = true;
        EXPECT_EQ(box->windowTitle(), "WIN-QM");
        look(*box);
    });
    call();
    EXPECT_TRUE(shown);
}

TEST(WindowsPortTest, AMessageHasOneOkButtonAndTheIconOfItsKind) {
    const std::pair<MessageIcon, QMessageBox::Icon> kinds[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Stop, QMessageBox::Critical},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::Information, QMessageBox::Information}};
    for (const auto& [kind, icon] : kinds)
        OnTheBox(
            [icon = icon](QMessageBox& box) {
                EXPECT_EQ(box.text(), "Area  7 not owned by you");
                EXPECT_EQ(box.icon(), icon);
                EXPECT_EQ(box.buttons().size(), 1);
                box.button(QMessageBox::Ok)->click();
            },
            [kind = kind] { WindowsPort::ShowMessageBox("Area  7 not owned by you", kind); });
}

TEST(WindowsPortTest, AQuestionOffersItsAnswersAndEnterTakesTheDefault) {
    const Question question{
        "Export?", {Answer::WholeBoard, Answer::View, Answer::Cancel}, Answer::WholeBoard};
    Answer answer = Answer::Cancel;
    OnTheBox(
        [](QMessageBox& box) {
            EXPECT_EQ(box.buttons().size(), 3);
            ASSERT_NE(box.defaultButton(), nullptr);
            EXPECT_EQ(box.defaultButton()->text(), "Whole Board");
            QTest::keyClick(&box, Qt::Key_Return);
        },
        [&] { answer = WindowsPort::AskBox(question); });
    EXPECT_EQ(answer, Answer::WholeBoard);
}

}  // namespace
}  // namespace qm
