#pragma once
// The one interface through which the core speaks to the windows. The windows
// implement it; tests implement it with a recorder. No widget type appears here.

#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

/// Caption of every message box.
inline constexpr char16_t kMessageCaption[] = u"WIN-QM";

enum class MessageIcon { None, Stop, Exclamation, Information };

/// Menu commands whose enabling the core decides.
enum class MenuCommand { Merge, VictoryConditions };

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
};

}  // namespace qm
