#include "map/UnorderedMarks.h"

#include "map/Geometry.h"
#include "map/HexSearch.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "state/TurnRules.h"

#include <algorithm>

namespace qm {

namespace {

template <class Marked>
void PaintMarks(const GameState& game, MapState& map, Marked marked, QRgb colour) {
    QImage& view = map.picture.picView;
    const int mapWidth = map.geometry.MapWidth();
    for (int area = 1; area <= kLastArea; ++area) {
        if (!marked(area)) continue;
        const auto cell = FindHexOfArea(game, map.hexes, area);
        if (!cell) continue;
        const auto outline = CellOutline(map.geometry, cell->Column, cell->Row);
        // The board wraps east-west: the mark may show once more a board's width away.
        for (const int shift : {0, mapWidth, -mapWidth}) {
            const QPointF offset(map.display.MapX + shift, map.display.MapY);
            for (std::size_t i = 0; i < outline.size(); ++i) {
                DrawLine(view, outline[i] + offset, outline[(i + 1) % outline.size()] + offset,
                         2 * map.picture.Scale + 1, colour);
            }
        }
    }
}

}  // namespace

void PaintUnorderedMarks(const GameState& game, MapState& map) {
    PaintMarks(
        game, map, [&](int area) { return AwaitsOrder(game, area); }, qRgb(255, 0, 255));
}

void PaintChangeMarks(const GameState& game, MapState& map) {
    const auto& changed = map.picture.ChangedAreas;
    PaintMarks(
        game, map,
        [&](int area) { return std::find(changed.begin(), changed.end(), area) != changed.end(); },
        qRgb(0, 200, 255));
}

}  // namespace qm
