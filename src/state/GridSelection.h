#pragma once
// What the main window's area grid selects: row i shows area i.

namespace qm {

struct Interaction;

/// The grid's current cell moved to row `row`: its area becomes the selected area.
void GridRowCurrent(Interaction& interaction, int row);

/// A double-click on row `row` selects its area, unless an order waits for its target.
void GridRowDoubleClicked(Interaction& interaction, int row);

}  // namespace qm
