#pragma once
// Where an order arrow lies on the board: the anchor of each area's unit cell
// and the two head strokes at each end.

#include "map/MapPicture.h"

#include <QPointF>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

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

/// What the shaft and the head at `head` cover on the board.
QRectF ArrowBounds(const ArrowRecord& arrow, const ArrowEnd& head);

/// Where a drawing of the board that covers `bounds` shows on a picture of
/// `size` whose top left corner lies at board point -origin: the board wraps
/// east-west, so at up to three offsets (origin, and a board's width either side).
std::vector<QPointF> WrapOffsets(QSize size, const QRectF& bounds, QPointF origin, double mapWidth);

}  // namespace qm
