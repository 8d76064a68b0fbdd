#include "map/CentreOnArea.h"

#include "map/BoardPicture.h"
#include "map/Geometry.h"
#include "map/HexSearch.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/UnitTypes.h"

#include <cmath>
#include <utility>
#include <vector>

namespace qm {

void CentreOnArea(const GameState& game, MapState& map, WindowPort& port, std::int16_t area) {
    if (!map.picture.IsLoaded() || map.picture.picView.isNull()) return;
    const std::optional<QPoint> found = UnitCellCentre(game, map, area);
    if (!found) return;
    const QPoint centre = *found;
    const QImage& view = map.picture.picView;
    // Far from 16-bit limits: the board is at most a few thousand pixels wide.
    map.display.MapX = static_cast<std::int16_t>(view.width() / 2 - centre.x());
    map.display.MapY = static_cast<std::int16_t>(view.height() / 2 - centre.y());
    NormaliseMapOrigin(map);
    RefreshView(game, map, port);
}

std::int16_t HomeArea(const GameState& game, const MapState& map) {
    struct Place {
        std::int16_t area;
        QPoint at;
    };
    std::vector<Place> owned, held;
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        const bool owns = area.Owner == game.CurrentPlayer && game.CurrentPlayer != 0;
        const bool holds = IsOwnUnit(area, game.CurrentPlayer);
        if (!owns && !holds) continue;
        if (const auto at = UnitCellCentre(game, map, i)) (owns ? owned : held).push_back({i, *at});
    }
    const std::vector<Place>& places = owned.empty() ? held : owned;
    const int width = map.geometry.MapWidth();
    std::int16_t best = 0;
    double least = 0;
    for (const Place& here : places) {
        double sum = 0;
        for (const Place& there : places) {
            const int across = std::abs(here.at.x() - there.at.x());
            sum += std::hypot(std::min(across, width - across), here.at.y() - there.at.y());
        }
        if (best == 0 || sum < least) best = here.area, least = sum;
    }
    return best;
}

bool LookAtHome(const GameState& game, MapState& map, WindowPort& port, bool firstStart) {
    if (!map.picture.IsLoaded()) return false;
    const QString whose =
        QStringLiteral("%1 %2").arg(game.GameCode.trimmed()).arg(game.CurrentPlayer);
    const QString was = std::exchange(map.display.ViewOf, whose);
    if (!firstStart && (was.isEmpty() || was == whose)) return false;
    const std::int16_t home = HomeArea(game, map);
    if (home == 0) return false;
    CentreOnArea(game, map, port, home);
    return true;
}

}  // namespace qm
