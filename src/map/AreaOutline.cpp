#include "map/AreaOutline.h"

#include "map/MapState.h"
#include "state/GameState.h"

#include <algorithm>

namespace qm {

std::vector<QPolygon> AreaCellsInView(const GameState& game, const MapState& map, int area) {
    std::vector<QPolygon> outlines;
    if (!IsAreaNumber(area) || !map.picture.IsLoaded()) return outlines;
    const AreaRecord& record = game.area(area);
    const QRect view = map.picture.picView.rect();
    const int width = map.geometry.MapWidth();
    for (int row = std::max<int>(record.MinRow, 1); row <= std::min<int>(record.MaxRow, kRows);
         ++row) {
        for (int column = std::max<int>(record.MinCol, 1);
             column <= std::min<int>(record.MaxCol, kColumns); ++column) {
            if (map.hexes.at(column, row).Area != area) continue;
            for (const int turn : {-width, 0, width}) {
                const auto corners = CellOutline(map.geometry, column, row, map.display.MapX + turn,
                                                 map.display.MapY);
                QPolygon outline(QList<QPoint>(corners.begin(), corners.end()));
                if (outline.boundingRect().intersects(view)) outlines.push_back(outline);
            }
        }
    }
    return outlines;
}

}  // namespace qm
