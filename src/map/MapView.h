#pragma once
// The map window's core: building the board picture when the window loads,
// sizing the view and keeping the scroll origin on the board.

namespace qm {

struct Session;

/// Builds the geometry from the display settings (the cell size first brought
/// into 6..30 for hexagons, 6..36 for squares), sizes picMap to the board,
/// forgets the arrows drawn so far and draws the whole board. The view is
/// left for SetViewSize.
void LoadMapPicture(Session& session);

/// After a change of cell size or shape: the geometry rebuilt, picMap
/// resized and redrawn, every arrow recomputed (the arrows are kept).
void RebuildMapPicture(Session& session);

/// The view gets the window's inner size, but never more than the board;
/// then the origin is brought back onto the board. Call RefreshView after.
void SetViewSize(Session& session, int width, int height);

/// Brings MapX into -MapWidth..0 (the board wraps east-west) and MapY so that
/// no gap shows above or below the board.
void NormaliseMapOrigin(Session& session);

/// Moves the board by a drag of (dx, dy) view pixels, normalises and refreshes.
void ScrollMapBy(Session& session, double dx, double dy);

}  // namespace qm
