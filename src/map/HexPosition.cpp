#include "map/HexPosition.h"

#include "map/Geometry.h"

namespace qm {

std::optional<HexPosition> NeighbourCell(int column, int row, int side) {
    if (column < 1 || column > kColumns || row < 1 || row > kRows) return std::nullopt;
    // A shifted column's sideways neighbours lie half a row higher than its own
    // rows, an unshifted one's half a row lower.
    const int upper = IsShiftedColumn(column) ? row : row - 1;
    int c = column;
    int r = row;
    switch (side) {
        case 1:
            r = row - 1;
            break;
        case 2:
            c = column + 1;
            r = upper;
            break;
        case 3:
            c = column + 1;
            r = upper + 1;
            break;
        case 4:
            r = row + 1;
            break;
        case 5:
            c = column - 1;
            r = upper + 1;
            break;
        case 6:
            c = column - 1;
            r = upper;
            break;
        default:
            return std::nullopt;
    }
    if (r < 1 || r > kRows) return std::nullopt;
    if (c < 1) c += kColumns;
    if (c > kColumns) c -= kColumns;
    return HexPosition{static_cast<std::int16_t>(c), static_cast<std::int16_t>(r)};
}

}  // namespace qm
