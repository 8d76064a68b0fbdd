#include "map/CentreOnArea.h"

#include "map/BoardPicture.h"
#include "map/Geometry.h"
#include "map/HexSearch.h"
#include "map/MapState.h"

namespace qm {

void CentreOnArea(const GameState& game, MapState& map, WindowPort& port, std::int16_t area) {
    if (!map.picture.IsLoaded() || map.picture.picView.isNull()) return;
    const auto cell = FindHexOfArea(game, map.hexes, area);
    if (!cell) return;
    QPoint centre;
    for (const QPoint& corner : CellOutline(map.geometry, cell->Column, cell->Row))
        centre += corner;
    centre /= 6;
    const QImage& view = map.picture.picView;
    // Far from 16-bit limits: the board is at most a few thousand pixels wide.
    map.display.MapX = static_cast<std::int16_t>(view.width() / 2 - centre.x());
    map.display.MapY = static_cast<std::int16_t>(view.height() / 2 - centre.y());
    NormaliseMapOrigin(map);
    RefreshView(game, map, port);
}

}  // namespace qm
