#pragma once
// Redrawing the board after the player chose new map colours.

namespace qm {

struct DisplaySettings;
struct GameState;
struct MapState;
class WindowPort;

/// Compares the colours with those remembered before the colour window opened:
/// a new border colour redraws the whole board; otherwise only cells whose
/// look changed (water cells for the water colour, no-entry cells for the
/// no-go colour, land cells whose owner's colour changed, and the cells of
/// units whose owner's colour changed, whose box shows it at sea and abroad)
/// are drawn again, with the east-edge copy of column 1. The view is
/// refreshed in any case, so new arrow colours show too.
void RedrawChangedColours(const GameState& game, MapState& map, WindowPort& port,
                          const DisplaySettings& before);

}  // namespace qm
