#pragma once
// Fills the area grid and the summary from the game state.

#include <cstdint>

namespace qm {

struct Session;

/// Columns of the main window's area grid.
enum AreaColumn : int {
    kColId, kColName, kColOwner, kColType, kColSupply,
    kColUnitOwner, kColUnitType, kColCommand, kColParm1, kColParm2,
    kAreaColumnCount
};

/// Writes area `area` into grid row `row`; cells with nothing to show are left as they were.
void ShowAreaRow(Session& session, int area, int row);

/// Refills the area grid, recomputes the totals and shows them in the summary.
void RefreshDisplay(Session& session);

/// Writes the eight totals into the summary grid.
void ShowTotals(Session& session);

}  // namespace qm
