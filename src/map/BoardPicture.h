#pragma once
// The map window's core: building the board picture when the window loads,
// sizing the view and keeping the scroll origin on the board.

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// Builds the geometry from the display settings (the cell size first brought
/// into 6..30 for hexagons, 6..36 for squares), sizes picMap to the board,
/// forgets the arrows drawn so far and draws the whole board. The view is
/// left for SetViewSize.
void LoadMapPicture(const GameState& game, MapState& map, WindowPort& port);

/// The geometry for the display's cell size and shape at the picture's scale:
/// on a dense screen every cell has twice the pixels each way.
void BuildMapGeometry(MapState& map);

/// The pictures' pixels to a window pixel: 1, or 2 on a dense screen (a
/// device pixel ratio of 1.5 and more draws at 2). The scroll origin, kept in
/// the pictures' pixels, follows; LoadMapPicture draws at the new scale.
void SetMapScale(MapState& map, int scale);

/// After a change of cell size or shape: the geometry rebuilt, picMap
/// resized and redrawn, every arrow recomputed (the arrows are kept).
void RebuildMapPicture(const GameState& game, MapState& map, WindowPort& port);

/// The view gets the window's inner size (in the pictures' pixels), but never more than the board;
/// then the origin is brought back onto the board. Call RefreshView after.
void SetViewSize(MapState& map, int width, int height);

/// Sets the origin from wide values, brought onto the board as NormaliseMapOrigin does.
void SetMapOrigin(MapState& map, double x, double y);

/// Brings MapX into -MapWidth < MapX <= 0 (the board wraps east-west) and MapY so that
/// no gap shows above or below the board.
void NormaliseMapOrigin(MapState& map);

/// Moves the board by a drag of (dx, dy) view pixels, normalises and refreshes.
void ScrollMapBy(const GameState& game, MapState& map, WindowPort& port, double dx, double dy);

/// One turn of the mouse wheel is 120 steps of angle.
inline constexpr int kWheelNotch = 120;

/// Scrolls by wheel angles (positive: towards the north and the west); a notch
/// moves two rows or two columns. With `eastWest` a plain vertical turn scrolls
/// east-west instead, across the wrap.
void ScrollMapByWheel(const GameState& game, MapState& map, WindowPort& port, int angleX,
                      int angleY, bool eastWest);

/// Copies the visible part of picMap into picView, draws the pending orders'
/// arrows and tells the windows the view changed.
void RefreshView(const GameState& game, MapState& map, WindowPort& port);

}  // namespace qm
