#pragma once
// Fills the area grid and the summary from the game state.

#include <cstdint>

namespace qm {

struct GameState;
class WindowPort;

/// Columns of the main window's area grid.
enum AreaColumn : int {
    kColId,
    kColName,
    kColOwner,
    kColType,
    kColSupply,
    kColUnitOwner,
    kColUnitType,
    kColCommand,
    kColParm1,
    kColParm2,
    kAreaColumnCount
};

/// The last area grid row that may be scrolled to the top: the grid shows its
/// last rows from this one on and never scrolls further.
inline constexpr std::int16_t kLastTopRow = 267;

/// Writes area `area` into grid row `row`; cells with nothing to show are emptied.
void ShowAreaRow(const GameState& game, WindowPort& port, int area, int row);

/// Refills the area grid, recomputes the totals and shows them in the summary.
void RefreshDisplay(GameState& game, WindowPort& port);

/// Writes the eight totals into the summary grid.
void ShowTotals(const GameState& game, WindowPort& port);

}  // namespace qm
