#pragma once
// Where an order arrow lies on the board: the anchor of each area's unit cell
// and the two head strokes at each end.

#include "map/MapPicture.h"

#include <optional>

namespace qm {

struct Session;

/// The record for the pair of areas (low < high), both ends computed, no
/// order code yet; nothing when either area has no unit cell.
std::optional<ArrowRecord> CreateArrow(const Session& session, int low, int high);

}  // namespace qm
