#include "map/ExportPicture.h"

#include "map/AllyArrows.h"
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
    // The arrows are painted on a board-sized view of a copy, so the map
    // window's own view and arrow records stay as they are.
    MapState board = map;
    board.picture.picView = map.picture.picMap.copy();
    board.display.MapX = 0;
    board.display.MapY = 0;
    PaintAllyArrows(game, board, board.picture.picView, QPointF(0, 0));
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        PaintOrderArrow(game, board, i, area.Parm1, area.Command);
    }
    return board.picture.picView;
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
