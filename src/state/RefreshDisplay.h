#pragma once
// Fills the area grid and the summary from the game state.

#include "state/Limits.h"

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

/// The areas the area grid shows at once, below its heading row.
inline constexpr int kGridPageRows = 7;

/// The last area grid row that may be scrolled to the top: the grid shows its
/// last page from this one on and never scrolls further.
inline constexpr std::int16_t kLastTopRow = kLastArea - kGridPageRows + 1;
static_assert(kLastTopRow == 267);

/// Writes area `area` into grid row `row`; cells with nothing to show are emptied.
void ShowAreaRow(const GameState& game, WindowPort& port, int area, int row);

/// Refills the area grid, recomputes the totals and shows them in the summary.
void RefreshDisplay(GameState& game, WindowPort& port);

/// Writes the eight totals into the summary grid.
void ShowTotals(const GameState& game, WindowPort& port);

}  // namespace qm
