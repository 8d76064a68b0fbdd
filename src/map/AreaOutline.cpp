#include "map/AreaOutline.h"

#include "map/HexSearch.h"
#include "map/MapState.h"
#include "state/GameState.h"

namespace qm {

std::vector<QPolygon> AreaCellsInView(const GameState& game, const MapState& map, int area) {
    std::vector<QPolygon> outlines;
    if (!IsAreaNumber(area) || !map.picture.IsLoaded()) return outlines;
    const QRect view = map.picture.picView.rect();
    const int width = map.geometry.MapWidth();
    ForEachCellOfArea(game, map.hexes, area, [&](int column, int row) {
        for (const int turn : {-width, 0, width}) {
            const auto corners =
                CellOutline(map.geometry, column, row, map.display.MapX + turn, map.display.MapY);
            QPolygon outline(QList<QPoint>(corners.begin(), corners.end()));
            if (outline.boundingRect().intersects(view)) outlines.push_back(outline);
        }
    });
    return outlines;
}

}  // namespace qm
