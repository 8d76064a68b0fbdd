#pragma once
// Order arrows on the view (picView). Every call does nothing while the map
// window has not loaded the picture.

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

/// DrawOrderArrow without telling the windows, for RefreshView, which tells them once for all.
void PaintOrderArrow(const GameState& game, MapState& map, std::int16_t from, std::int16_t to,
                     const QString& code);

}  // namespace qm
