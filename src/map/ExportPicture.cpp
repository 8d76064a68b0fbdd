#include "map/ExportPicture.h"

#include "map/ArrowDrawing.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <QDir>
#include <QSaveFile>

namespace qm {

QImage MapPictureWithArrows(const GameState& game, const MapState& map, bool wholeBoard) {
    if (!map.picture.IsLoaded()) return {};
    if (!wholeBoard) return map.picture.picView.copy();
    // The board with its arrows, as the view copies it, of a copy of the map,
    // so that the map window's own arrow records stay as they are.
    MapState board = map;
    return BoardWithArrows(game, board).copy();
}

bool ExportMapPicture(const GameState& game, const MapState& map, WindowPort& port,
                      const QString& path, bool wholeBoard) {
    const QImage picture = MapPictureWithArrows(game, map, wholeBoard);
    QSaveFile file(path);
    if (!picture.isNull() && file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") &&
        file.commit())
        return true;
    port.ShowMessage(
        QStringLiteral("Could not write the map picture ") + QDir::toNativeSeparators(path),
        MessageIcon::Stop);
    return false;
}

}  // namespace qm
