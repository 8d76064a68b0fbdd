#include "map/HexEditing.h"

#include "io/LeadingNumber.h"
#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/MapState.h"
#include "state/GameState.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

bool IsCell(int column, int row) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
}

}  // namespace

HexCellEdit EditOfCell(const HexGrid& hexes, int column, int row) {
    HexCellEdit edit;
    if (!IsCell(column, row)) return edit;
    const HexCell& cell = hexes.at(column, row);
    edit.areaText = QString::number(cell.Area);
    for (int side = 1; side <= 6; ++side)
        edit.borders[static_cast<std::size_t>(side - 1)] =
            cell.Border[static_cast<std::size_t>(side)] == 1;
    edit.labels = {cell.ShowNumber == -1, cell.ShowUnit == -1, cell.ShowSupply == -1};
    return edit;
}

bool StoreHexCell(GameState& game, HexGrid& hexes, int column, int row, const HexCellEdit& edit) {
    const double typed = std::nearbyint(LeadingNumber(edit.areaText).value_or(0.0));
    if (!IsCell(column, row) || !(typed >= 1 && typed <= kLastArea)) return false;
    const auto area = static_cast<std::int16_t>(typed);
    HexCell& cell = hexes.at(column, row);
    cell.Area = area;
    for (int side = 1; side <= 6; ++side)
        cell.Border[static_cast<std::size_t>(side)] =
            edit.borders[static_cast<std::size_t>(side - 1)] ? 1 : 0;
    cell.ShowNumber = edit.labels[0] ? -1 : 0;
    cell.ShowUnit = edit.labels[1] ? -1 : 0;
    cell.ShowSupply = edit.labels[2] ? -1 : 0;
    // The area's box only grows: a box too large costs a few cells of search,
    // one too small hides the cell.
    AreaRecord& record = game.area(area);
    record.MinCol = std::min<std::int16_t>(record.MinCol, static_cast<std::int16_t>(column));
    record.MaxCol = std::max<std::int16_t>(record.MaxCol, static_cast<std::int16_t>(column));
    record.MinRow = std::min<std::int16_t>(record.MinRow, static_cast<std::int16_t>(row));
    record.MaxRow = std::max<std::int16_t>(record.MaxRow, static_cast<std::int16_t>(row));
    return true;
}

void RedrawHexCell(const GameState& game, MapState& map, WindowPort& port, int column, int row) {
    DrawCell(game, map, column, row, 0, 0);
    DrawCell(game, map, column, row, map.geometry.MapWidth(), 0);
    RefreshView(game, map, port);
}

}  // namespace qm
