#pragma once
// A window port that passes everything on to another but for the support
// attack question, which it answers itself: for an order whose supported
// player is known already (a typed order says it), so that the rules run
// unchanged without the dialog.

#include "state/WindowPort.h"

namespace qm {

class AnsweringPort : public WindowPort {
public:
    AnsweringPort(WindowPort& port, SupportAnswer supported) : port_(port), supported_(supported) {}

    void ShowMessage(const QString& text, MessageIcon icon) override {
        port_.ShowMessage(text, icon);
    }
    void SetTitle(const QString& title) override { port_.SetTitle(title); }
    void EnableMenu(MenuCommand command, bool enabled) override {
        port_.EnableMenu(command, enabled);
    }
    void SetGridRows(GridId grid, int rows) override { port_.SetGridRows(grid, rows); }
    void SetGridCell(GridId grid, int row, int column, const QString& text) override {
        port_.SetGridCell(grid, row, column, text);
    }
    void SetBusy(bool busy) override { port_.SetBusy(busy); }
    void ViewChanged() override { port_.ViewChanged(); }
    SupportAnswer AskSupportedPlayer() override { return supported_; }
    Answer Ask(const Question& question) override { return port_.Ask(question); }
    std::optional<std::int16_t> AskPlayer(const QString& text,
                                          const std::vector<std::int16_t>& players) override {
        return port_.AskPlayer(text, players);
    }
    void ShowRecentReports(const std::vector<QString>& reports) override {
        port_.ShowRecentReports(reports);
    }
    void TurnChanged(TurnChange change) override { port_.TurnChanged(change); }
    void CloseOrderWindows() override { port_.CloseOrderWindows(); }
    bool OrderWindowsOpen() const override { return port_.OrderWindowsOpen(); }
    void ShowTurnCheck() override { port_.ShowTurnCheck(); }
    void ShowStatus(const QString& text) override { port_.ShowStatus(text); }

private:
    WindowPort& port_;
    SupportAnswer supported_;
};

}  // namespace qm
