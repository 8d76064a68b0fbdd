#pragma once
// The board as the world generator sees it: cells by index, their centres,
// the cells around them (with the east-west wrap) and a repeatable random
// number source.

#include "map/Geometry.h"
#include "map/HexGrid.h"
#include "map/HexPosition.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace world {

inline constexpr int kColumns = qm::kColumns;
inline constexpr int kRows = qm::kRows;
inline constexpr int kCells = kColumns * kRows;
inline constexpr double kSqrt3 = 1.7320508075688772;
// Width of the board in the units of Centre: 1.5 per column.
inline constexpr double kWidth = kColumns * 1.5;

inline int CellIndex(int column, int row) { return (column - 1) * kRows + (row - 1); }
inline int ColumnOf(int cell) { return cell / kRows + 1; }
inline int RowOf(int cell) { return cell % kRows + 1; }

struct Point {
    double x = 0, y = 0;
};

/// Centre of a cell; neighbouring centres are all sqrt(3) apart.
inline Point Centre(int cell) {
    const int c = ColumnOf(cell);
    const int r = RowOf(cell);
    return {(c - 1) * 1.5, (r - 1) * kSqrt3 + (qm::IsShiftedColumn(c) ? kSqrt3 / 2 : 0.0)};
}

/// The shorter of the two ways round the board.
inline double WrapDx(double dx) {
    while (dx > kWidth / 2) dx -= kWidth;
    while (dx < -kWidth / 2) dx += kWidth;
    return dx;
}

inline double Distance(Point a, Point b) {
    const double dx = WrapDx(b.x - a.x);
    const double dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

/// next[cell][side - 1]: the cell across that side, or -1 off the board.
inline const std::vector<std::array<int, 6>>& Adjacent() {
    static const std::vector<std::array<int, 6>> table = [] {
        std::vector<std::array<int, 6>> next(kCells);
        for (int cell = 0; cell < kCells; ++cell) {
            for (int side = 1; side <= 6; ++side) {
                const auto other = qm::NeighbourCell(ColumnOf(cell), RowOf(cell), side);
                next[cell][side - 1] = other ? CellIndex(other->Column, other->Row) : -1;
            }
        }
        return next;
    }();
    return table;
}

/// splitmix64: the same numbers on every machine and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// 0 <= value < 1.
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
    /// 0 <= value < n.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

/// A repeatable hash of lattice coordinates, for the coastline noise.
inline double LatticeValue(int i, int j, std::uint64_t seed) {
    Rng rng(seed ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(i)) << 32) ^
            static_cast<std::uint32_t>(j) * 0x632BE59BD9B4E019ull);
    return rng.Unit();
}

/// Smooth value noise in 0..1, repeating every `period` lattice steps east-west.
inline double ValueNoise(Point p, double spacing, int period, std::uint64_t seed) {
    const double gx = p.x / spacing;
    const double gy = p.y / spacing;
    const int ix = static_cast<int>(std::floor(gx));
    const int iy = static_cast<int>(std::floor(gy));
    const double fx = gx - ix;
    const double fy = gy - iy;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) { return LatticeValue(((i % period) + period) % period, j, seed); };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

/// Cells of `cells` reachable from `start` through cells for which `inside` holds.
template <typename Inside>
std::vector<int> Flood(int start, Inside inside) {
    std::vector<int> found = {start};
    std::vector<char> seen(kCells, 0);
    seen[start] = 1;
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (const int next : Adjacent()[found[i]]) {
            if (next >= 0 && !seen[next] && inside(next)) {
                seen[next] = 1;
                found.push_back(next);
            }
        }
    }
    return found;
}

}  // namespace world
