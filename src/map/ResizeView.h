#pragma once
// Changing the cell size or shape of the drawn map while the player looks at
// it: the board point under the view's centre (or under the pointer) stays
// where it was, the board is rebuilt and redrawn, and the arrows follow.

#include <QPointF>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// Where a point of the view lies on the board, relative to the board's size,
/// so that it can be found again after the size changes.
struct BoardPoint {
    double fx = 0;  // (view x - MapX) / (2 x MapWidth)
    double fy = 0;  // (view y - MapY) / (31 x CellHeight)
};

BoardPoint MeasureBoardPoint(const MapState& map, QPointF viewPoint);

/// The middle of the view, in whole pixels.
QPointF ViewCentre(const MapState& map);

/// The sizes the zoom bar steps through for the mode (-1 hexagons, 0 squares):
/// every even size from 6 to 30 or 36. Dragging the bar may also give an odd one.
std::vector<std::int16_t> ZoomSizes(std::int16_t hexDisplay);

/// The zoom size after `current`, one step larger or smaller, held at the ends.
std::int16_t NextZoomSize(std::int16_t hexDisplay, std::int16_t current, bool larger);

/// Rebuilds for the display's current size and shape: picMap sized and redrawn,
/// the view fitted to `room` (the window's space for it) but never larger than
/// the board, the origin placed so that `anchor` lies under `at` (the resized
/// view's centre when not given), normalised, arrows recomputed, view
/// refreshed. Without a loaded picture only the values change.
void ResizeView(const GameState& game, MapState& map, WindowPort& port, BoardPoint anchor,
                std::optional<QPointF> at, QSize room);

/// Sets the cell size (limited to the mode's range) keeping the board point
/// under `viewPoint` in place; nothing happens when the size is unchanged.
/// Answers whether anything changed.
bool ZoomKeepingPoint(const GameState& game, MapState& map, WindowPort& port, int size,
                      QPointF viewPoint, QSize room);

/// The zoom window's close: the bar's position as the new size, keeping the
/// view's centre; nothing when it equals the current size.
bool ApplyZoom(const GameState& game, MapState& map, WindowPort& port, int position, QSize room);

/// Hexagons to squares (size x 1.3) and back (size / 1.3), each rounded down,
/// made even and limited to the new mode's range, keeping the view's centre.
void ToggleHexDisplay(const GameState& game, MapState& map, WindowPort& port, QSize room);

}  // namespace qm
