#pragma once
// A window port that records every call, for tests of the core.

#include "state/WindowPort.h"

#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

namespace qm::test {

struct Message {
    friend void PrintTo(const Message& m, std::ostream* os) { *os << m.text.toStdString(); }
    QString text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class FakePort : public WindowPort {
public:
    void ShowMessage(const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
        if (onMessage) onMessage();
    }
    void SetTitle(const QString& text) override { title = text; }
    void EnableMenu(MenuCommand command, bool enabled) override { menus[command] = enabled; }
    void SetGridRows(GridId grid, int rows) override { gridRows[grid] = rows; }
    void SetGridCell(GridId grid, int row, int column, const QString& text) override {
        cells[{grid, row, column}] = text;
    }
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    void ViewChanged() override { ++viewChanges; }
    SupportAnswer AskSupportedPlayer() override {
        ++questions;
        return Next(answers, SupportAnswer{});
    }
    Answer Ask(const Question& question) override {
        asked.push_back(question);
        return Next(replies, question.defaultAnswer);
    }
    std::optional<std::int16_t> AskPlayer(const QString& text,
                                          const std::vector<std::int16_t>& players) override {
        playerQuestions.push_back({text, players});
        return Next(playerAnswers, std::optional<std::int16_t>{});
    }
    void ShowRecentReports(const std::vector<QString>& reports) override { recent = reports; }
    void TurnChanged(TurnChange change) override { turnChanges.push_back(change); }
    void CloseOrderWindows() override {
        ++orderWindowsClosed;
        orderWindowsOpen = false;
    }
    bool OrderWindowsOpen() const override { return orderWindowsOpen; }
    void ShowTurnCheck() override {}
    void ShowStatus(const QString& text) override { status = text; }

    /// The first of `queue`, taken from it; `otherwise` when it is empty.
    template <class T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }

    /// Whether a menu command was last enabled; false when never told.
    bool enabled(MenuCommand command) const { return menus.contains(command) && menus.at(command); }

    /// Text of a cell, or "<unset>" for a cell never written.
    QString cell(GridId grid, int row, int column) const {
        const auto it = cells.find({grid, row, column});
        return it == cells.end() ? QStringLiteral("<unset>") : it->second;
    }

    std::vector<Message> messages;
    QString title;
    std::map<MenuCommand, bool> menus;
    std::map<GridId, int> gridRows;
    std::map<std::tuple<GridId, int, int>, QString> cells;
    std::vector<bool> busyCalls;
    int viewChanges = 0, questions = 0;  // calls of ViewChanged and AskSupportedPlayer
    std::deque<SupportAnswer> answers;   // answers of AskSupportedPlayer, in order; then none
    std::vector<Question> asked;
    std::deque<Answer> replies;  // answers of Ask, in order; then each question's default
    std::vector<QString> recent;
    std::vector<std::pair<QString, std::vector<std::int16_t>>> playerQuestions;
    std::deque<std::optional<std::int16_t>> playerAnswers;  // answers of AskPlayer; then none
    std::vector<TurnChange> turnChanges;
    QString status;
    int orderWindowsClosed = 0;
    bool orderWindowsOpen = false;    // what OrderWindowsOpen answers
    std::function<void()> onMessage;  // runs while each message is shown
};

}  // namespace qm::test
