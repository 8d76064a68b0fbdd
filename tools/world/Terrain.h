#pragma once
// Land and sea: continents drawn as overlapping ellipses, their coasts made
// ragged by noise, the poles kept open water.

#include "world/Board.h"

#include <algorithm>
#include <vector>

namespace world {

struct Blob {
    double column, row;  // centre, in board columns and rows
    double radiusColumns, radiusRows;
};

// The continents: a long western one, a northern and a southern central one
// with a narrow sea between them, a large eastern one and a few islands.
inline const std::vector<Blob>& Continents() {
    static const std::vector<Blob> blobs = {
        // West
        {9, 9, 5.5, 5.0},
        {13, 15, 5.5, 5.5},
        {10, 22, 4.5, 4.5},
        {16, 26, 3.5, 2.5},
        {5, 14, 2.5, 3.0},
        // North centre
        {29, 7, 6.0, 3.5},
        {36, 9, 5.0, 4.0},
        {41, 5, 3.5, 2.5},
        {25, 11, 2.5, 2.5},
        // South centre
        {33, 21, 5.0, 4.5},
        {38, 25, 4.5, 3.5},
        {28, 26, 3.0, 2.5},
        // East
        {53, 10, 6.0, 5.0},
        {58, 17, 6.0, 5.5},
        {51, 23, 4.0, 4.0},
        {63, 8, 4.0, 3.0},
        {62, 25, 3.5, 2.5},
        // Islands
        {22, 4, 2.0, 1.2},
        {45, 18, 1.6, 1.6},
        {45, 27, 2.2, 1.4},
        {68, 15, 2.2, 3.0},
        {3, 27, 2.0, 1.4},
        {20, 19, 1.4, 1.4},
    };
    return blobs;
}

inline constexpr std::uint64_t kTerrainSeed = 0x5A455A2D514D3031ull;

/// 1 for land, 0 for water, by cell index.
inline std::vector<char> MakeLand() {
    std::vector<char> land(kCells, 0);
    for (int cell = 0; cell < kCells; ++cell) {
        const Point p = Centre(cell);
        double height = -1;
        for (const Blob& blob : Continents()) {
            const double dx = WrapDx(p.x - (blob.column - 1) * 1.5) / (blob.radiusColumns * 1.5);
            const double dy = (p.y - (blob.row - 1) * kSqrt3) / (blob.radiusRows * kSqrt3);
            height = std::max(height, 1 - std::sqrt(dx * dx + dy * dy));
        }
        const double noise = 0.6 * ValueNoise(p, 7.0, 15, kTerrainSeed) +
                             0.4 * ValueNoise(p, 3.5, 30, kTerrainSeed + 1);
        height += 0.55 * (noise - 0.5);
        const int row = RowOf(cell);
        if (row <= 2 || row >= kRows - 1) height -= 0.6;
        land[cell] = height > 0 ? 1 : 0;
    }

    // Specks of land become sea, and ponds become land, so that every area
    // has room for its unit and its name.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<char> done(kCells, 0);
        for (int cell = 0; cell < kCells; ++cell) {
            if (done[cell]) continue;
            const char kind = land[cell];
            const std::vector<int> body = Flood(cell, [&](int c) { return land[c] == kind; });
            for (const int c : body) done[c] = 1;
            const std::size_t smallest = kind ? 4 : 9;
            if (body.size() < smallest)
                for (const int c : body) land[c] = kind ? 0 : 1;
        }
    }
    return land;
}

}  // namespace world
