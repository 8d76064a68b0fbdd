#include "map/MapView.h"

#include "map/ArrowDrawing.h"
#include "map/MapDrawing.h"
#include "map/Raster.h"
#include "state/Session.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// The board's origin brought onto the board, computed wide so that no drag
// can overflow the 16-bit fields.
void SetOrigin(Session& session, double x, double y) {
    const Geometry& geometry = session.geometry;
    const double width = geometry.MapWidth();
    if (width <= 0) return;
    // Whole turns around the board change nothing.
    if (x > 0) x -= std::ceil(x / width) * width;
    if (x + width < 0) x += std::floor(-x / width) * width;
    if (y > 0) y = 0;
    const int viewHeight = session.picture.picView.height();
    if (geometry.MapHeight() + y < viewHeight) y = viewHeight - geometry.MapHeight();
    session.display.MapX = static_cast<std::int16_t>(std::nearbyint(x));
    session.display.MapY = static_cast<std::int16_t>(std::nearbyint(std::min(y, 0.0)));
}

}  // namespace

namespace {

void SizeBoard(Session& session) {
    // Sizes beyond the limits would overflow the 16-bit cell coordinates.
    DisplaySettings& display = session.display;
    display.HexSize = std::clamp(display.HexSize, kMinHexSize,
                                 display.HexDisplay != 0 ? kMaxHexSizeHex : kMaxHexSizeSquare);
    BuildGeometryTables(session);
    const QSize size(session.geometry.MapWidth(), session.geometry.MapPixelHeight());
    if (session.picture.picMap.size() != size) {
        session.picture.picMap = QImage(size, QImage::Format_RGB32);
    }
}

}  // namespace

void LoadMapPicture(Session& session) {
    SizeBoard(session);
    session.picture.ArrowTable.clear();
    RedrawWholeMap(session);
}

void RebuildMapPicture(Session& session) {
    SizeBoard(session);
    RedrawWholeMap(session);
    RecomputeArrows(session);
}

void SetViewSize(Session& session, int width, int height) {
    const QImage& board = session.picture.picMap;
    if (board.isNull()) return;
    width = std::clamp(width, 1, board.width());
    height = std::clamp(height, 1, board.height());
    QImage& view = session.picture.picView;
    if (view.width() != width || view.height() != height) {
        view = QImage(width, height, QImage::Format_RGB32);
        view.fill(0xFFFFFFFF);
    }
    NormaliseMapOrigin(session);
}

void NormaliseMapOrigin(Session& session) {
    SetOrigin(session, session.display.MapX, session.display.MapY);
}

void ScrollMapBy(Session& session, double dx, double dy) {
    if (!session.picture.IsLoaded() || !std::isfinite(dx) || !std::isfinite(dy)) return;
    SetOrigin(session, session.display.MapX + dx, session.display.MapY + dy);
    RefreshView(session);
}

void RefreshView(Session& session) {
    MapPicture& picture = session.picture;
    if (!picture.IsLoaded() || picture.picView.isNull()) return;
    const QImage& board = picture.picMap;
    QImage& view = picture.picView;
    const int mapX = session.display.MapX;
    const int mapY = session.display.MapY;
    const int eastEdge = mapX + board.width();

    // Where the board does not cover the view, the view shows white.
    if (mapX > 0 || mapY > 0 || mapY + board.height() < view.height() ||
        eastEdge + board.width() < view.width()) {
        view.fill(0xFFFFFFFF);
    }
    CopyBlock(view, 0, 0, board, -mapX, -mapY, eastEdge, board.height() + mapY);
    if (eastEdge < view.width()) {
        // The board's west part again, east of its east edge.
        CopyBlock(view, eastEdge, 0, board, 0, -mapY, view.width() - eastEdge,
                  board.height() + mapY);
    }
    for (int area = 1; area <= kLastArea; ++area) {
        const AreaRecord& record = session.game.area(area);
        if (record.Command == u"CO" || record.Command == u"MO" || record.Command == u"SA" ||
            record.Command == u"SD") {
            PaintOrderArrow(session, static_cast<std::int16_t>(area), record.Parm1, record.Command);
        }
    }
    session.port.ViewChanged();
}

}  // namespace qm
