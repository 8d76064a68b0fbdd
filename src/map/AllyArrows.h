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
/// in `colour` on an outline that sets it off from the player's black-edged arrows.
void DrawAllyArrow(QImage& picture, QPointF tail, QPointF tip, QPointF barb1, QPointF barb2,
                   QRgb colour);

/// The arrow orders of every ally's plan shown, on picView (called by RefreshView
/// before the player's own arrows, which lie on top).
void PaintAllyArrows(const GameState& game, MapState& map);

}  // namespace qm
