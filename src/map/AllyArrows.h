#pragma once
// The allies' orders on the view: dashed arrows in each ally's colour, drawn
// under the player's own, so that a plan never looks like an order given.

#include <QImage>
#include <QPointF>
#include <QRgb>

namespace qm {

struct GameState;
struct MapState;

/// One ally's arrow: a dashed shaft from `tail` to `tip` and a solid head,
/// in `colour` on an outline that sets it off from the player's black-edged
/// arrows; wider by a pixel on each side for each step of `scale`.
void DrawAllyArrow(QImage& picture, QPointF tail, QPointF tip, QPointF barb1, QPointF barb2,
                   QRgb colour, int scale = 1);

/// The arrow orders of every ally's plan shown, on a picture of the board
/// whose top left corner lies at `origin` (before the player's own arrows,
/// which lie on top).
void PaintAllyArrows(const GameState& game, const MapState& map, QImage& target, QPointF origin);

}  // namespace qm
