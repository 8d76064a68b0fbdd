#pragma once
// The one interface through which the core speaks to the windows. The windows
// implement it; tests implement it with a recorder. No widget type appears here.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

/// Caption of every message box.
inline constexpr char16_t kMessageCaption[] = u"WIN-QM";

enum class MessageIcon { None, Stop, Exclamation, Information };

/// Menu commands whose enabling the core decides. Recent stands for every
/// entry of the recent reports, Orders for every command that enters orders
/// (ANW, Call to Arms, Grant Access, Spy), History for the game's history
/// (Import Turns, Turn History, Changes and the steps between turns).
enum class MenuCommand {
    Open,
    Merge,
    Save,
    ExportMap,
    Recent,
    Undo,
    Redo,
    VictoryConditions,
    Orders,
    History,
    AllyOrders,  // File > Show Ally's Orders
};

/// The answers a question of the core may offer.
enum class Answer { Yes, No, Save, Discard, Cancel, WholeBoard, View };

/// A question the player answers before the core goes on; closing the box
/// without a choice answers Cancel where it is offered, else the default.
struct Question {
    QString text;
    std::vector<Answer> answers;
    Answer defaultAnswer;
    bool operator==(const Question&) const = default;
};

/// What became of the loaded turn, for the windows that show it.
enum class TurnChange {
    Opened,            // a report with its map: the map window is built and shown
    OpenedWithoutMap,  // a report whose map data could not be read
    Merged,            // a report was merged in: the map is built again
    Shown,             // a kept turn, or the loaded one again, is shown in its place
};

/// The support attack question's answer: the player whose attack is supported,
/// or none for the player's own attack (also when the dialog is closed without a choice).
using SupportAnswer = std::optional<std::int16_t>;

/// Grids the core writes into.
enum class GridId {
    Area,     // the main window's area grid, row i = area i
    Summary,  // the summary window's totals, column 1 rows 0..7
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    /// A modal message box with one OK button and the caption kMessageCaption.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    virtual void SetTitle(const QString& title) = 0;
    virtual void EnableMenu(MenuCommand command, bool enabled) = 0;
    virtual void SetGridRows(GridId grid, int rows) = 0;
    /// Writes one cell; cells never written keep what they showed.
    virtual void SetGridCell(GridId grid, int row, int column, const QString& text) = 0;
    /// The busy pointer during long operations.
    virtual void SetBusy(bool busy) = 0;
    /// The map view's picture changed and should be shown again.
    virtual void ViewChanged() = 0;
    /// Asks whose attack a support-attack order supports (the support attack dialog).
    virtual SupportAnswer AskSupportedPlayer() = 0;
    /// A modal question box with the caption kMessageCaption.
    virtual Answer Ask(const Question& question) = 0;
    /// Asks which of `players` is meant; none when the player declines.
    virtual std::optional<std::int16_t> AskPlayer(const QString& text,
                                                  const std::vector<std::int16_t>& players) = 0;
    /// The recent reports' menu entries, newest first.
    virtual void ShowRecentReports(const std::vector<QString>& reports) = 0;
    /// The loaded turn was replaced or grew; the windows that show it follow.
    virtual void TurnChanged(TurnChange change) = 0;
    /// The windows that keep orders of their own until they close (grant
    /// access, spy, victory conditions) write them and close; so does the turn check.
    virtual void CloseOrderWindows() = 0;
    /// Whether one of those windows is open.
    virtual bool OrderWindowsOpen() const = 0;
    /// Shows the turn check's findings.
    virtual void ShowTurnCheck() = 0;
    /// A passing notice in the main window's status line, no box.
    virtual void ShowStatus(const QString& text) = 0;
};

}  // namespace qm
