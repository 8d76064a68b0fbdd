#pragma once
// The core's link to the windows: messages, questions, title, menus, grid
// cells, the busy pointer, map repaints and the windows beside the map.

#include "state/WindowPort.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qm {

class frmWinQM;

class WindowsPort : public WindowPort {
public:
    /// Shows a message; tests replace it to record instead of blocking.
    using MessageSink = std::function<void(const QString& text, MessageIcon icon)>;
    /// Answers the support attack question; tests replace the modal dialog.
    using SupportQuestion = std::function<SupportAnswer()>;
    /// Answers the core's questions; tests replace the modal box.
    using Questioner = std::function<Answer(const Question& question)>;
    /// Answers which player is meant; tests replace the modal list.
    using PlayerQuestion = std::function<std::optional<std::int16_t>(
        const QString& text, const std::vector<std::int16_t>& players)>;

    WindowsPort();

    /// The main window that owns the grids, menus and the map window; null detaches.
    void Attach(frmWinQM* mainWindow) { main_ = mainWindow; }
    void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void SetSupportQuestion(SupportQuestion question) { supportQuestion_ = std::move(question); }
    void SetQuestioner(Questioner questioner) { questioner_ = std::move(questioner); }
    void SetPlayerQuestion(PlayerQuestion question) { playerQuestion_ = std::move(question); }

    /// A modal question box: caption "WIN-QM", a question icon, a button for
    /// each answer, the default one taken by Enter.
    static Answer AskBox(const Question& question);

    void ShowMessage(const QString& text, MessageIcon icon) override;
    void SetTitle(const QString& title) override;
    void EnableMenu(MenuCommand command, bool enabled) override;
    void SetGridRows(GridId grid, int rows) override;
    void SetGridCell(GridId grid, int row, int column, const QString& text) override;
    void SetBusy(bool busy) override;
    void ViewChanged() override;
    SupportAnswer AskSupportedPlayer() override;
    Answer Ask(const Question& question) override;
    std::optional<std::int16_t> AskPlayer(const QString& text,
                                          const std::vector<std::int16_t>& players) override;
    void ShowRecentReports(const std::vector<QString>& reports) override;
    void TurnChanged(TurnChange change) override;
    void CloseOrderWindows() override;
    bool OrderWindowsOpen() const override;
    void ShowTurnCheck() override;
    void ShowStatus(const QString& text) override;

    /// The modal message box every message uses: caption "WIN-QM", one OK button.
    static void ShowMessageBox(const QString& text, MessageIcon icon);

private:
    frmWinQM* main_ = nullptr;
    MessageSink messageSink_;
    SupportQuestion supportQuestion_;
    Questioner questioner_;
    PlayerQuestion playerQuestion_;
    int busyDepth_ = 0;
};

}  // namespace qm
