#include "map/UnorderedMarks.h"

#include "map/Geometry.h"
#include "map/HexSearch.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "state/TurnRules.h"

namespace qm {

void PaintUnorderedMarks(const GameState& game, MapState& map) {
    QImage& view = map.picture.picView;
    const int mapWidth = map.geometry.MapWidth();
    for (int area = 1; area <= kLastArea; ++area) {
        if (!AwaitsOrder(game, area)) continue;
        const auto cell = FindHexOfArea(game, map.hexes, area);
        if (!cell) continue;
        const auto outline = CellOutline(map.geometry, cell->Column, cell->Row);
        // The board wraps east-west: the mark may show once more a board's width away.
        for (const int shift : {0, mapWidth, -mapWidth}) {
            const QPointF offset(map.display.MapX + shift, map.display.MapY);
            for (std::size_t i = 0; i < outline.size(); ++i) {
                DrawLine(view, outline[i] + offset, outline[(i + 1) % outline.size()] + offset, 3,
                         qRgb(255, 0, 255));
            }
        }
    }
}

}  // namespace qm
