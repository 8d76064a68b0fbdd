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

/// The heart of the player's lands: of the areas he owns (or, owning none,
/// holds units in), the one nearest to all the others on the board, which
/// wraps east-west; 0 when he has none.
std::int16_t HomeArea(const GameState& game, const MapState& map);

/// On a first start (no settings file yet), or for a report of another game
/// or player than the one whose view the settings keep, the view is centred
/// on HomeArea; either way it is this player's from now on. Settings that
/// name nobody (written before they named anyone) are taken as his.
/// Answers whether the view moved.
bool LookAtHome(const GameState& game, MapState& map, WindowPort& port, bool firstStart);

}  // namespace qm
