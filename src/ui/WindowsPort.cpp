#include "ui/WindowsPort.h"

#include "ui/ModelessWindows.h"
#include "ui/frmWinQM.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <utility>
#include <vector>

namespace qm {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QPushButton* AddButton(QMessageBox& box, Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return box.addButton(QMessageBox::Yes);
        case Answer::No:
            return box.addButton(QMessageBox::No);
        case Answer::Save:
            return box.addButton(QMessageBox::Save);
        case Answer::Discard:
            return box.addButton(QMessageBox::Discard);
        case Answer::Cancel:
            return box.addButton(QMessageBox::Cancel);
        case Answer::WholeBoard:
            return box.addButton(QStringLiteral("Whole Board"), QMessageBox::YesRole);
        case Answer::View:
            return box.addButton(QStringLiteral("View"), QMessageBox::NoRole);
    }
    return nullptr;
}

}  // namespace

WindowsPort::WindowsPort() : messageSink_(&WindowsPort::ShowMessageBox) {}

void WindowsPort::ShowMessageBox(const QString& text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromUtf16(kMessageCaption), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // A message raised while the busy pointer is up must still be answerable.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
}

Answer WindowsPort::Ask(const Question& question) {
    return questioner_ ? questioner_(question) : AskBox(question);
}

Answer WindowsPort::AskBox(const Question& question) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf16(kMessageCaption), question.text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton*, Answer>> buttons;
    for (const Answer answer : question.answers) {
        QPushButton* button = AddButton(box, answer);
        buttons.emplace_back(button, answer);
        if (answer == question.defaultAnswer) box.setDefaultButton(button);
    }
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    // Closed without a choice.
    const auto& offered = question.answers;
    return std::find(offered.begin(), offered.end(), Answer::Cancel) != offered.end()
               ? Answer::Cancel
               : question.defaultAnswer;
}

void WindowsPort::ShowMessage(const QString& text, MessageIcon icon) {
    if (messageSink_) messageSink_(text, icon);
}

void WindowsPort::SetTitle(const QString& title) {
    if (main_) main_->setWindowTitle(title);
}

void WindowsPort::EnableMenu(MenuCommand command, bool enabled) {
    if (main_) main_->EnableMenu(command, enabled);
}

void WindowsPort::SetGridRows(GridId grid, int rows) {
    if (main_) main_->SetGridRows(grid, rows);
}

void WindowsPort::SetGridCell(GridId grid, int row, int column, const QString& text) {
    if (main_) main_->SetGridCell(grid, row, column, text);
}

void WindowsPort::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void WindowsPort::ViewChanged() {
    if (main_) main_->MapViewChanged();
}

std::optional<std::int16_t> WindowsPort::AskPlayer(const QString& text,
                                                   const std::vector<std::int16_t>& players) {
    if (playerQuestion_) return playerQuestion_(text, players);
    return main_ ? main_->AskPlayer(text, players) : std::nullopt;
}

void WindowsPort::ShowRecentReports(const std::vector<QString>& reports) {
    if (main_) main_->ShowRecentReports(reports);
}

void WindowsPort::TurnChanged(TurnChange change) {
    if (main_) main_->TurnChanged(change);
}

void WindowsPort::CloseOrderWindows() {
    if (main_) main_->windows().CloseOrderWindows();
}

bool WindowsPort::OrderWindowsOpen() const { return main_ && main_->windows().OrderWindowsOpen(); }

void WindowsPort::ShowStatus(const QString& text) {
    if (main_) main_->statusBar()->showMessage(text);
}

void WindowsPort::ShowTurnCheck() {
    if (main_) main_->windows().ShowCheckTurn();
}

SupportAnswer WindowsPort::AskSupportedPlayer() {
    if (supportQuestion_) return supportQuestion_();
    return main_ ? main_->AskSupportedPlayer() : std::nullopt;
}

}  // namespace qm
