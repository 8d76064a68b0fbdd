#pragma once
// A window port for programs without windows (the generators, the map picture
// tool, the benchmarks): messages go to standard error, questions take their
// default answer, everything else is dropped.

#include "state/WindowPort.h"

#include <QString>

#include <cstdio>
#include <utility>

namespace qm {

class ConsolePort : public WindowPort {
public:
    /// prefix starts every message line; a quiet port prints nothing.
    explicit ConsolePort(QString prefix = {}, bool quiet = false)
        : prefix_(std::move(prefix)), quiet_(quiet) {}

    void ShowMessage(const QString& text, MessageIcon) override {
        if (!quiet_) std::fprintf(stderr, "%s%s\n", qPrintable(prefix_), qPrintable(text));
    }
    void SetTitle(const QString&) override {}
    void EnableMenu(MenuCommand, bool) override {}
    void SetGridRows(GridId, int) override {}
    void SetGridCell(GridId, int, int, const QString&) override {}
    void SetBusy(bool) override {}
    void ViewChanged() override {}
    SupportAnswer AskSupportedPlayer() override { return std::nullopt; }
    Answer Ask(const Question& question) override { return question.defaultAnswer; }
    std::optional<std::int16_t> AskPlayer(const QString&,
                                          const std::vector<std::int16_t>&) override {
        return std::nullopt;
    }
    void ShowRecentReports(const std::vector<QString>&) override {}
    void TurnChanged(TurnChange) override {}
    void CloseOrderWindows() override {}
    bool OrderWindowsOpen() const override { return false; }
    void ShowTurnCheck() override {}
    void ShowStatus(const QString&) override {}

private:
    QString prefix_;
    bool quiet_;
};

}  // namespace qm
