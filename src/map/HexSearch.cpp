#include "map/HexSearch.h"

#include "map/Geometry.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// A whole pixel brought into 0..period-1.
int WrapPixel(float pixel, int period) {
    double rest = std::fmod(static_cast<double>(pixel), static_cast<double>(period));
    if (rest < 0) rest += period;
    return std::clamp(static_cast<int>(rest), 0, period - 1);
}

// The column (0-based) whose drawn pitch holds px. With an even cell size the
// pitch is whole and this is px \ pitch; with an odd size the columns start on
// rounded pixels, and the drawn starts decide.
int ColumnOfPixel(const Geometry& geometry, int px) {
    int c0 = static_cast<int>(std::floor(static_cast<float>(px) / geometry.Pitch()));
    c0 = std::clamp(c0, 0, kColumns - 1);
    while (c0 > 0 && px < geometry.column(c0 + 1).LeftTop) --c0;
    while (c0 < kColumns - 1 && px >= geometry.column(c0 + 2).LeftTop) ++c0;
    return c0;
}

}  // namespace

std::optional<HexPosition> HexAtPoint(const Geometry& geometry, const DisplaySettings& display,
                                      float x, float y) {
    if (!geometry.IsBuilt() || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    const int height = geometry.CellHeight;
    const int hexSize = geometry.HexSize;

    // Whole turns around the board change nothing, so both coordinates are
    // first brought into it; that also keeps points left of or above the
    // picture on the board.
    const float rawX = std::nearbyint(x - static_cast<float>(display.MapX));
    const int px = WrapPixel(rawX, geometry.MapWidth());
    int c0 = ColumnOfPixel(geometry, px);
    const int k = c0 % 2;
    const float rawY =
        std::nearbyint((y - static_cast<float>(display.MapY)) -
                       static_cast<float>((height / 2) * k) + static_cast<float>(kRows * height));
    const int qy = WrapPixel(rawY, kRows * height);
    int r0 = (qy / height) % kRows;

    const int u = px - geometry.column(c0 + 1).LeftTop;
    if (u > hexSize) {
        // East of the top edge: the slanted sides towards the next column.
        const int v = qy % height;
        const float slope = static_cast<float>(height) / static_cast<float>(hexSize);
        const float across = static_cast<float>(u - hexSize);
        if (static_cast<float>(v) >= static_cast<float>(height) / 2.0f) {
            if (static_cast<float>(height - v) / across < slope) {
                c0 = (c0 + 1) % kColumns;
                r0 = (r0 + k) % kRows;
            }
        } else if (static_cast<float>(v) / across < slope) {
            c0 = (c0 + 1) % kColumns;
            r0 = (r0 - c0 % 2 + kRows) % kRows;
        }
    }
    return HexPosition{static_cast<std::int16_t>(c0 + 1), static_cast<std::int16_t>(r0 + 1)};
}

std::optional<HexPosition> FindHexOfArea(const GameState& game, const HexGrid& hexes, int area) {
    if (!IsAreaNumber(area)) return std::nullopt;
    const AreaRecord& record = game.area(area);
    // The box comes from the file; it is kept on the board whatever it says.
    const int firstColumn = std::max<int>(record.MinCol, 1);
    const int lastColumn = std::min<int>(record.MaxCol, kColumns);
    const int firstRow = std::max<int>(record.MinRow, 1);
    const int lastRow = std::min<int>(record.MaxRow, kRows);
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const HexCell& cell = hexes.at(column, row);
            if (cell.Area == area && cell.ShowUnit == -1)
                return HexPosition{static_cast<std::int16_t>(column),
                                   static_cast<std::int16_t>(row)};
        }
    }
    return std::nullopt;
}

void ForEachCellOfArea(const GameState& game, const HexGrid& hexes, int area,
                       const std::function<void(int column, int row)>& visit) {
    if (!IsAreaNumber(area)) return;
    const AreaRecord& record = game.area(area);
    for (int row = std::max<int>(record.MinRow, 1); row <= std::min<int>(record.MaxRow, kRows);
         ++row) {
        for (int column = std::max<int>(record.MinCol, 1);
             column <= std::min<int>(record.MaxCol, kColumns); ++column) {
            if (hexes.at(column, row).Area == area) visit(column, row);
        }
    }
}

std::optional<QPoint> UnitCellCentre(const GameState& game, const MapState& map, int area) {
    const auto cell = FindHexOfArea(game, map.hexes, area);
    if (!cell) return std::nullopt;
    QPoint centre;
    for (const QPoint& corner : CellOutline(map.geometry, cell->Column, cell->Row))
        centre += corner;
    return centre / 6;
}

std::int16_t NeighbourToward(const GameState& game, const MapState& map, std::int16_t from, int dx,
                             int dy) {
    const auto anchor = [&](int area) { return UnitCellCentre(game, map, area); };
    const auto here = anchor(from);
    if (!here || (dx == 0 && dy == 0)) return 0;
    const double width = map.geometry.MapWidth();
    std::int16_t best = 0;
    double bestCosine = 0.3;  // wider than about 70 degrees off is not that way
    for (int k = 1; k < kNeighbourSlots; ++k) {
        const std::int16_t next = game.area(from).Neighbours[static_cast<std::size_t>(k)];
        const auto there = IsAreaNumber(next) ? anchor(next) : std::nullopt;
        if (!there) continue;
        double x = there->x() - here->x();
        if (x > width / 2) x -= width;
        if (x < -width / 2) x += width;
        const double y = there->y() - here->y();
        const double length = std::hypot(x, y) * std::hypot(dx, dy);
        if (length <= 0) continue;
        const double cosine = (x * dx + y * dy) / length;
        if (cosine > bestCosine) best = next, bestCosine = cosine;
    }
    return best;
}

}  // namespace qm
