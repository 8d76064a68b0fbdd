#pragma once
// A cell of the board and the cells around it.

#include "map/HexGrid.h"

#include <cstdint>
#include <optional>

namespace qm {

struct HexPosition {
    std::int16_t Column = 0;  // 1..70
    std::int16_t Row = 0;     // 1..31
    bool operator==(const HexPosition&) const = default;
};

inline constexpr int kSides = 6;

/// The cell across side 1..6 (clockwise from the top edge) of (column, row).
/// East-west the board wraps; north and south of it there is nothing.
std::optional<HexPosition> NeighbourCell(int column, int row, int side);

/// The side of the neighbour that faces back: 1<->4, 2<->5, 3<->6.
inline int OppositeSide(int side) { return (side + 2) % kSides + 1; }

}  // namespace qm
