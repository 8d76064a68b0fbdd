#pragma once
// Drawing of the board and of order arrows, as the order rules and windows ask for it.
// Every call does nothing while the map window has not loaded the picture.

#include <QString>

#include <cstdint>

namespace qm {

struct Session;

/// Redraws every cell of one area (and its east-edge copy) into picMap.
void RedrawArea(Session& session, std::int16_t area);

/// Copies the visible part of picMap into picView, draws the pending orders'
/// arrows and tells the windows the view changed.
void RefreshView(Session& session);

/// Draws the arrow of one order on picView, head at `to`.
void DrawOrderArrow(Session& session, std::int16_t from, std::int16_t to, const QString& code);

}  // namespace qm
