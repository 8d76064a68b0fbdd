#include "map/BoardPicture.h"

#include "map/AllyArrows.h"
#include "map/ArrowDrawing.h"
#include "map/ArrowGeometry.h"
#include "map/CellDrawing.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "map/UnorderedMarks.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qm {

namespace {

void SizeBoard(MapState& map) {
    DisplaySettings& display = map.display;
    display.HexSize = LimitHexSize(display.HexSize, display.HexDisplay);
    BuildMapGeometry(map);
    const QSize size(map.geometry.MapWidth(), map.geometry.MapPixelHeight());
    QImage& board = map.picture.picMap;
    if (board.size() != size) board = QImage(size, QImage::Format_RGB32);
    board.setDevicePixelRatio(map.picture.Scale);
}

}  // namespace

void BuildMapGeometry(MapState& map) {
    BuildGeometryTables(map.geometry, map.display.HexSize, map.display.HexDisplay,
                        map.picture.Scale);
}

void SetMapScale(MapState& map, int scale) {
    scale = std::clamp(scale, 1, 2);
    const int was = map.picture.Scale;
    if (scale == was) return;
    map.display.MapX = static_cast<std::int16_t>(map.display.MapX * scale / was);
    map.display.MapY = static_cast<std::int16_t>(map.display.MapY * scale / was);
    map.picture.Scale = scale;
}

void LoadMapPicture(const GameState& game, MapState& map, WindowPort& port) {
    SizeBoard(map);
    map.picture.ArrowTable.clear();
    RedrawWholeMap(game, map, port);
}

void RebuildMapPicture(const GameState& game, MapState& map, WindowPort& port) {
    SizeBoard(map);
    RedrawWholeMap(game, map, port);
    RecomputeArrows(game, map);
}

void SetViewSize(MapState& map, int width, int height) {
    const QImage& board = map.picture.picMap;
    if (board.isNull()) return;
    width = std::clamp(width, 1, board.width());
    height = std::clamp(height, 1, board.height());
    QImage& view = map.picture.picView;
    if (view.width() != width || view.height() != height) {
        view = QImage(width, height, QImage::Format_RGB32);
        view.fill(0xFFFFFFFF);
    }
    view.setDevicePixelRatio(map.picture.Scale);
    NormaliseMapOrigin(map);
}

void SetMapOrigin(MapState& map, double x, double y) {
    const Geometry& geometry = map.geometry;
    const double width = geometry.MapWidth();
    if (width <= 0 || !std::isfinite(x) || !std::isfinite(y)) return;
    // Whole turns around the board change nothing; after rounding the result
    // lies in -width < x <= 0, so no column is ever shown twice over.
    x = std::nearbyint(std::fmod(x, width));
    if (x > 0) x -= width;
    if (x <= -width) x += width;
    y = std::min(y, 0.0);
    const int viewHeight = map.picture.picView.height();
    if (geometry.MapHeight() + y < viewHeight) y = viewHeight - geometry.MapHeight();
    map.display.MapX = static_cast<std::int16_t>(x);
    map.display.MapY = static_cast<std::int16_t>(std::clamp(std::nearbyint(y), -32768.0, 0.0));
}

void NormaliseMapOrigin(MapState& map) { SetMapOrigin(map, map.display.MapX, map.display.MapY); }

void ScrollMapBy(const GameState& game, MapState& map, WindowPort& port, double dx, double dy) {
    if (!map.picture.IsLoaded() || !std::isfinite(dx) || !std::isfinite(dy)) return;
    SetMapOrigin(map, map.display.MapX + dx, map.display.MapY + dy);
    RefreshView(game, map, port);
}

void ScrollMapByWheel(const GameState& game, MapState& map, WindowPort& port, int angleX,
                      int angleY, bool eastWest) {
    if (eastWest && angleX == 0) std::swap(angleX, angleY);
    constexpr double kCellsPerNotch = 2.0;
    const double notchesX = static_cast<double>(angleX) / kWheelNotch;
    const double notchesY = static_cast<double>(angleY) / kWheelNotch;
    ScrollMapBy(game, map, port, notchesX * kCellsPerNotch * map.geometry.Pitch(),
                notchesY * kCellsPerNotch * map.geometry.CellHeight);
}

void RefreshView(const GameState& game, MapState& map, WindowPort& port) {
    MapPicture& picture = map.picture;
    if (!picture.IsLoaded() || picture.picView.isNull()) return;
    const QImage& board = BoardWithArrows(game, map);
    QImage& view = picture.picView;
    const int mapX = map.display.MapX;
    const int mapY = map.display.MapY;
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
    if (picture.MarkUnordered) PaintUnorderedMarks(game, map);
    if (picture.MarkChanges) PaintChangeMarks(game, map);
    port.ViewChanged();
}

}  // namespace qm
