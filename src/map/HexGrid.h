#pragma once
// The 70 x 31 board of cells. Index 0 in either dimension is never used; the
// board wraps east-west (column 70 is followed by column 1).

#include <array>
#include <cstdint>

namespace qm {

inline constexpr int kColumns = 70;
inline constexpr int kRows = 31;

struct HexCell {
    std::int16_t Area = 0;                 // 0 = no area
    std::array<std::int16_t, 7> Border{};  // sides 1..6, clockwise from the top edge
    std::int16_t ShowNumber = 0;           // 0 or -1
    std::int16_t ShowUnit = 0;             // -1: the area's unit cell
    std::int16_t ShowSupply = 0;           // 0 or -1

    bool operator==(const HexCell&) const = default;
};

struct HexGrid {
    std::array<std::array<HexCell, kRows + 1>, kColumns + 1> cells{};

    HexCell& at(int column, int row) {
        return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }
    const HexCell& at(int column, int row) const {
        return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }
    bool operator==(const HexGrid&) const = default;
};

}  // namespace qm
