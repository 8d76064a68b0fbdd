#pragma once
// Order arrows on the view (picView). Every call does nothing while the map
// window has not loaded the picture.

#include <QImage>
#include <QPointF>
#include <QString>

#include <cstdint>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// Draws the arrow of one order on picView, head at `to`, and tells the
/// windows the view changed. Codes other than the arrow orders draw nothing.
void DrawOrderArrow(const GameState& game, MapState& map, WindowPort& port, std::int16_t from,
                    std::int16_t to, const QString& code);

/// DrawOrderArrow without telling the windows.
void PaintOrderArrow(const GameState& game, MapState& map, std::int16_t from, std::int16_t to,
                     const QString& code);

/// The same on any picture of the board, whose top left corner lies at `origin`.
void PaintArrowOn(const GameState& game, MapState& map, QImage& target, QPointF origin,
                  std::int16_t from, std::int16_t to, const QString& code);

/// picMap with every arrow on it, the allies' under the player's: what the
/// view copies from. Painted again only when the board, its look or an arrow
/// order changed, so that scrolling costs a copy alone.
const QImage& BoardWithArrows(const GameState& game, MapState& map);

}  // namespace qm
