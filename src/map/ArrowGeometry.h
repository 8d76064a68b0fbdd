#pragma once
// Where an order arrow lies on the board: the anchor of each area's unit cell
// and the two head strokes at each end.

#include "map/MapPicture.h"

#include <optional>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// The record for the pair of areas (low < high), both ends computed, no
/// order code yet; nothing when either area has no unit cell.
std::optional<ArrowRecord> CreateArrow(const GameState& game, const MapState& map, int low,
                                       int high);

/// Recomputes every arrow's geometry after a size or mode change.
void RecomputeArrows(const GameState& game, MapState& map);

}  // namespace qm
