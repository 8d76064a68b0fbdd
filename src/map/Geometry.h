#pragma once
// Pixel geometry of the board: where every column and row of cells lies in the
// map picture, for the current cell size and shape.

#include "map/HexGrid.h"

#include <QPoint>

#include <array>
#include <cstdint>

namespace qm {

/// x coordinates of one column's outline.
struct ColumnCoords {
    std::int16_t LeftTop = 0;     // west end of the top edge
    std::int16_t RightTop = 0;    // east end of the top edge
    std::int16_t RightPoint = 0;  // east corner
    std::int16_t LeftPoint = 0;   // west corner
};

/// y coordinates of one row, for unshifted (odd) and shifted (even) columns.
struct RowCoords {
    std::int16_t Top = 0;
    std::int16_t Middle = 0;
    std::int16_t Bottom = 0;
    std::int16_t ShiftedTop = 0;
    std::int16_t ShiftedMiddle = 0;
    std::int16_t ShiftedBottom = 0;
};

struct Geometry {
    std::int16_t HexSize = 0;                          // the cell size the tables were built for
    std::int16_t CellHeight = 0;                       // vertical distance between two rows
    float ColumnPitch = 1.0f;                          // 1.5 hexagons, 1.0 squares
    std::array<ColumnCoords, kColumns + 1> ColumnX{};  // 1..70 used
    std::array<RowCoords, kRows + 1> RowY{};           // 1..31 used

    bool IsBuilt() const { return HexSize > 0 && CellHeight > 0; }
    /// Horizontal distance between two columns, in pixels (may be a half).
    float Pitch() const { return static_cast<float>(HexSize) * ColumnPitch; }
    /// 70 columns; always a whole number of pixels.
    int MapWidth() const;
    /// 31 rows and the half row that holds the lower halves of the shifted
    /// columns; a half pixel when CellHeight is odd (squares of odd size).
    double MapHeight() const;
    /// The picture height that holds MapHeight, the half pixel rounded up.
    int MapPixelHeight() const;

    const ColumnCoords& column(int c) const { return ColumnX[static_cast<std::size_t>(c)]; }
    const RowCoords& row(int r) const { return RowY[static_cast<std::size_t>(r)]; }
};

/// Even columns are drawn half a row lower than odd ones.
inline bool IsShiftedColumn(int column) { return (column - 1) % 2 == 1; }

/// Hexagons: 2 x (Int(size x 0.866) + 1); squares: the size itself.
std::int16_t DeriveCellHeight(std::int16_t hexSize, bool hexDisplay);

/// Derives CellHeight and ColumnPitch from the size and shape and fills both
/// tables; at a `scale` of 2 (a dense screen) for cells of twice the pixels.
void BuildGeometryTables(Geometry& geometry, std::int16_t hexSize, std::int16_t hexDisplay,
                         int scale = 1);

/// Outline P0..P5 of cell (column, row) drawn at offset (dx, dy); side i runs
/// from P(i-1) to P(i), side 6 from P5 back to P0.
std::array<QPoint, 6> CellOutline(const Geometry& geometry, int column, int row, int dx = 0,
                                  int dy = 0);

}  // namespace qm
