#pragma once
// Drawing the board (picMap) cell by cell. Every call does nothing while the
// map window has not loaded the picture.

#include <cstdint>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// Draws one cell with its number, supply marker and unit into picMap,
/// shifted by (dx, dy); dx is 0 or MapWidth (the east-edge copy).
void DrawCell(const GameState& game, MapState& map, int column, int row, int dx, int dy);

/// Clears picMap to white and draws every cell, with the busy pointer shown.
void RedrawWholeMap(const GameState& game, MapState& map, WindowPort& port);

/// Redraws every cell of one area (and its east-edge copy) into picMap.
void RedrawArea(const GameState& game, MapState& map, std::int16_t area);

}  // namespace qm
