#include "ui/WindowsPort.h"

#include "ui/frmWinQM.h"

#include <QApplication>
#include <QMessageBox>

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

QMessageBox::StandardButton WindowsPort::Ask(const QString& text,
                                             QMessageBox::StandardButtons buttons) {
    return question_ ? question_(text, buttons) : AskBox(text, buttons);
}

QMessageBox::StandardButton WindowsPort::AskBox(const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf16(kMessageCaption), text, buttons,
                    QApplication::activeWindow());
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (busy) QApplication::restoreOverrideCursor();
    return answer;
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

SupportAnswer WindowsPort::AskSupportedPlayer() {
    if (supportQuestion_) return supportQuestion_();
    return main_ ? main_->AskSupportedPlayer() : std::nullopt;
}

}  // namespace qm
