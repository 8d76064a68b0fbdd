#pragma once
// Units drawn as pictures or as symbols, for the run only.

#include <cstdint>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

inline constexpr std::int16_t kUnitPictures = 0;
inline constexpr std::int16_t kUnitSymbols = 4;

/// Switches to pictures (0) or symbols (4) and redraws the whole board; answers
/// false, redrawing nothing, when the map already shows them.
bool SetUnitDisplay(const GameState& game, MapState& map, WindowPort& port, std::int16_t display);

}  // namespace qm
