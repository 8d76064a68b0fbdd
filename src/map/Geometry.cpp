#include "map/Geometry.h"

#include <cmath>

namespace qm {

namespace {

// Nearest integer, a half to the even neighbour (the default rounding mode).
std::int16_t RoundEven(double value) { return static_cast<std::int16_t>(std::nearbyint(value)); }

}  // namespace

int Geometry::MapWidth() const {
    return static_cast<int>(std::nearbyint(kColumns * static_cast<double>(Pitch())));
}

double Geometry::MapHeight() const { return kRows * CellHeight + CellHeight / 2.0; }

int Geometry::MapPixelHeight() const { return static_cast<int>(std::ceil(MapHeight())); }

std::int16_t DeriveCellHeight(std::int16_t hexSize, bool hexDisplay) {
    if (!hexDisplay) return hexSize;
    return static_cast<std::int16_t>(2 * (static_cast<int>(std::floor(hexSize * 0.866)) + 1));
}

void BuildGeometryTables(Geometry& geometry, std::int16_t hexSize, std::int16_t hexDisplay,
                         int scale) {
    const bool hexagons = hexDisplay != 0;
    // The cell height of the scale-1 cell, scaled: every row then lies at
    // exactly `scale` times its place at scale 1.
    geometry.CellHeight = static_cast<std::int16_t>(DeriveCellHeight(hexSize, hexagons) * scale);
    hexSize = static_cast<std::int16_t>(hexSize * scale);
    geometry.HexSize = hexSize;
    geometry.ColumnPitch = hexagons ? 1.5f : 1.0f;

    const double pitch = geometry.Pitch();
    for (int c = 1; c <= kColumns; ++c) {
        ColumnCoords& x = geometry.ColumnX[static_cast<std::size_t>(c)];
        x.LeftTop = RoundEven((c - 1) * pitch);
        x.RightTop = static_cast<std::int16_t>(x.LeftTop + hexSize);
        x.RightPoint = RoundEven(x.LeftTop + pitch);
        x.LeftPoint = RoundEven(x.LeftTop - (geometry.ColumnPitch - 1.0) * hexSize);
    }
    const int height = geometry.CellHeight;
    const int half = height / 2;
    for (int r = 1; r <= kRows; ++r) {
        RowCoords& y = geometry.RowY[static_cast<std::size_t>(r)];
        const int y0 = (r - 1) * height;
        y.Top = static_cast<std::int16_t>(y0);
        y.Middle = static_cast<std::int16_t>(y0 + half);
        y.Bottom = static_cast<std::int16_t>(y0 + height);
        y.ShiftedTop = static_cast<std::int16_t>(y0 + half);
        y.ShiftedMiddle = static_cast<std::int16_t>(y0 + 2 * half);
        y.ShiftedBottom = static_cast<std::int16_t>(y0 + half + height);
    }
}

std::array<QPoint, 6> CellOutline(const Geometry& geometry, int column, int row, int dx, int dy) {
    const ColumnCoords& x = geometry.column(column);
    const RowCoords& y = geometry.row(row);
    const bool shifted = IsShiftedColumn(column);
    const int top = (shifted ? y.ShiftedTop : y.Top) + dy;
    const int middle = (shifted ? y.ShiftedMiddle : y.Middle) + dy;
    const int bottom = (shifted ? y.ShiftedBottom : y.Bottom) + dy;
    return {QPoint(x.LeftTop + dx, top),       QPoint(x.RightTop + dx, top),
            QPoint(x.RightPoint + dx, middle), QPoint(x.RightTop + dx, bottom),
            QPoint(x.LeftTop + dx, bottom),    QPoint(x.LeftPoint + dx, middle)};
}

}  // namespace qm
