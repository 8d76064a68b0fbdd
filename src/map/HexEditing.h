#pragma once
// The map author's edits of single cells of the board.

#include <QString>

#include <array>

namespace qm {

struct GameState;
struct HexGrid;
struct MapState;
class WindowPort;

/// What the hex editor holds for one cell: the area as typed, the six sides
/// (1 top, clockwise) and the three labels (number, unit, supply).
struct HexCellEdit {
    QString areaText;
    std::array<bool, 6> borders{};
    std::array<bool, 3> labels{};
};

/// The editor's view of a cell: its area in decimal, a side checked when its
/// border is 1, a label checked when its flag is -1.
HexCellEdit EditOfCell(const HexGrid& hexes, int column, int row);

/// Stores the edit into cell (column, row) when the typed area (its leading
/// number, rounded) is 1..273; the area's bounding box grows to take the cell
/// in, so that its searches find it at once. Answers whether it stored.
bool StoreHexCell(GameState& game, HexGrid& hexes, int column, int row, const HexCellEdit& edit);

/// The cell and its east-edge copy drawn again, and the view refreshed.
void RedrawHexCell(const GameState& game, MapState& map, WindowPort& port, int column, int row);

}  // namespace qm
