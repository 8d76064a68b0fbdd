#pragma once
// Bringing an area into the middle of the map view.

#include <cstdint>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// Scrolls the board so that the area's unit cell stands in the middle of the
/// view (as near as the board's edges allow) and refreshes the view. Nothing
/// happens for an area without cells or before the map window has loaded.
void CentreOnArea(const GameState& game, MapState& map, WindowPort& port, std::int16_t area);

}  // namespace qm
