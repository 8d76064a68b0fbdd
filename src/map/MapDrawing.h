#pragma once
// Drawing of the board (picMap) and of the view with its order arrows
// (picView), as the order rules and windows ask for it. Every call does
// nothing while the map window has not loaded the picture.

#include <QString>

#include <cstdint>

namespace qm {

struct Session;

/// Draws one cell with its number, supply marker and unit into picMap,
/// shifted by (dx, dy); dx is 0 or MapWidth (the east-edge copy).
void DrawCell(Session& session, int column, int row, int dx, int dy);

/// Clears picMap to white and draws every cell, with the busy pointer shown.
void RedrawWholeMap(Session& session);

/// Redraws every cell of one area (and its east-edge copy) into picMap.
void RedrawArea(Session& session, std::int16_t area);

/// Copies the visible part of picMap into picView, draws the pending orders'
/// arrows and tells the windows the view changed.
void RefreshView(Session& session);

/// Draws the arrow of one order on picView, head at `to`, and tells the
/// windows the view changed. Codes other than "CO", "MO", "SA", "SD" draw nothing.
void DrawOrderArrow(Session& session, std::int16_t from, std::int16_t to, const QString& code);

/// Recomputes every arrow's geometry after a size or mode change.
void RecomputeArrows(Session& session);

}  // namespace qm
