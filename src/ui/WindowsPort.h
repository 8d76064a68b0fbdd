#pragma once
// The core's link to the windows: messages, title, menus, grid cells, the busy
// pointer, map repaints and the support attack question.

#include "state/WindowPort.h"

#include <QMessageBox>
#include <QString>

#include <cstdint>
#include <functional>

namespace qm {

class frmWinQM;

class WindowsPort : public WindowPort {
public:
    /// Shows a message; tests replace it to record instead of blocking.
    using MessageSink = std::function<void(const QString& text, MessageIcon icon)>;
    /// Answers the support attack question; tests replace the modal dialog.
    using SupportQuestion = std::function<SupportAnswer()>;
    /// Asks a question with the given buttons and answers the one pressed;
    /// tests replace the modal box.
    using Question = std::function<QMessageBox::StandardButton(
        const QString& text, QMessageBox::StandardButtons buttons)>;

    WindowsPort();

    /// The main window that owns the grids, menus and the map window; null detaches.
    void Attach(frmWinQM* mainWindow) { main_ = mainWindow; }
    void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void SetSupportQuestion(SupportQuestion question) { supportQuestion_ = std::move(question); }
    void SetQuestion(Question question) { question_ = std::move(question); }

    /// A modal question box: caption "WIN-QM", a question icon, the buttons given.
    QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons);
    static QMessageBox::StandardButton AskBox(const QString& text,
                                              QMessageBox::StandardButtons buttons);

    void ShowMessage(const QString& text, MessageIcon icon) override;
    void SetTitle(const QString& title) override;
    void EnableMenu(MenuCommand command, bool enabled) override;
    void SetGridRows(GridId grid, int rows) override;
    void SetGridCell(GridId grid, int row, int column, const QString& text) override;
    void SetBusy(bool busy) override;
    void ViewChanged() override;
    SupportAnswer AskSupportedPlayer() override;

    /// The modal message box every message uses: caption "WIN-QM", one OK button.
    static void ShowMessageBox(const QString& text, MessageIcon icon);

private:
    frmWinQM* main_ = nullptr;
    MessageSink messageSink_;
    SupportQuestion supportQuestion_;
    Question question_;
    int busyDepth_ = 0;
};

}  // namespace qm
