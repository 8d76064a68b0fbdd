#pragma once
// File > Export Map Picture: the board or the view with the orders' arrows, as a PNG.

#include <QImage>
#include <QString>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

/// The whole board at the current size and colours with every order's arrow,
/// or (wholeBoard false) the view as the map window shows it. A null image
/// before the map window has loaded.
QImage MapPictureWithArrows(const GameState& game, const MapState& map, bool wholeBoard);

/// Writes MapPictureWithArrows to `path` as a PNG; a failure is shown as a stop
/// message. Answers whether the picture was written.
bool ExportMapPicture(const GameState& game, const MapState& map, WindowPort& port,
                      const QString& path, bool wholeBoard);

}  // namespace qm
