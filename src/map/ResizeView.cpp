#include "map/ResizeView.h"

#include "map/BoardPicture.h"
#include "map/MapState.h"
#include "state/WindowPort.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// A size rounded down, made even and brought into the mode's range.
std::int16_t EvenSize(double size, std::int16_t hexDisplay) {
    int even = static_cast<int>(std::floor(size));
    if (even % 2 != 0) ++even;
    return LimitHexSize(even, hexDisplay);
}

}  // namespace

std::vector<std::int16_t> ZoomSizes(std::int16_t hexDisplay) {
    std::vector<std::int16_t> sizes;
    for (int size = kMinHexSize; size <= MaxHexSize(hexDisplay); size += 2)
        sizes.push_back(static_cast<std::int16_t>(size));
    return sizes;
}

std::int16_t NextZoomSize(std::int16_t hexDisplay, std::int16_t current, bool larger) {
    const std::vector<std::int16_t> sizes = ZoomSizes(hexDisplay);
    // An odd size from the bar steps to its even neighbour in the asked direction.
    if (larger) {
        const auto next = std::upper_bound(sizes.begin(), sizes.end(), current);
        return next == sizes.end() ? sizes.back() : *next;
    }
    const auto next = std::lower_bound(sizes.begin(), sizes.end(), current);
    return next == sizes.begin() ? sizes.front() : *(next - 1);
}

BoardPoint MeasureBoardPoint(const MapState& map, QPointF viewPoint) {
    const Geometry& geometry = map.geometry;
    if (!geometry.IsBuilt()) return {};
    return {(viewPoint.x() - map.display.MapX) / (2.0 * geometry.MapWidth()),
            (viewPoint.y() - map.display.MapY) / (kRows * double(geometry.CellHeight))};
}

QPointF ViewCentre(const MapState& map) {
    const QImage& view = map.picture.picView;
    return {double(view.width() / 2), double(view.height() / 2)};
}

void ResizeView(const GameState& game, MapState& map, WindowPort& port, BoardPoint anchor,
                std::optional<QPointF> at, QSize room) {
    if (!map.picture.IsLoaded()) {
        BuildMapGeometry(map);
        return;
    }
    port.SetBusy(true);
    RebuildMapPicture(game, map, port);
    SetViewSize(map, room.width(), room.height());
    const Geometry& geometry = map.geometry;
    const QImage& view = map.picture.picView;
    // A point outside the resized view is kept at the view's nearest edge.
    const QPointF point = at.value_or(ViewCentre(map));
    const double x = std::clamp(point.x(), 0.0, double(view.width()));
    const double y = std::clamp(point.y(), 0.0, double(view.height()));
    SetMapOrigin(map, std::nearbyint(x - anchor.fx * 2.0 * geometry.MapWidth()),
                 std::nearbyint(y - anchor.fy * kRows * double(geometry.CellHeight)));
    RefreshView(game, map, port);
    port.SetBusy(false);
}

bool ZoomKeepingPoint(const GameState& game, MapState& map, WindowPort& port, int size,
                      QPointF viewPoint, QSize room) {
    DisplaySettings& display = map.display;
    const std::int16_t limited = LimitHexSize(size, display.HexDisplay);
    if (limited == display.HexSize) return false;
    const BoardPoint anchor = MeasureBoardPoint(map, viewPoint);
    display.HexSize = limited;
    ResizeView(game, map, port, anchor, viewPoint, room);
    return true;
}

bool ApplyZoom(const GameState& game, MapState& map, WindowPort& port, int position, QSize room) {
    if (position == map.display.HexSize) return false;
    const BoardPoint anchor = MeasureBoardPoint(map, ViewCentre(map));
    map.display.HexSize = LimitHexSize(position, map.display.HexDisplay);
    ResizeView(game, map, port, anchor, std::nullopt, room);
    return true;
}

void ToggleHexDisplay(const GameState& game, MapState& map, WindowPort& port, QSize room) {
    const BoardPoint anchor = MeasureBoardPoint(map, ViewCentre(map));
    DisplaySettings& display = map.display;
    if (display.HexDisplay != 0) {
        display.HexDisplay = 0;
        display.HexSize = EvenSize(display.HexSize * 1.3, display.HexDisplay);
    } else {
        display.HexDisplay = -1;
        display.HexSize = EvenSize(display.HexSize / 1.3, display.HexDisplay);
    }
    ResizeView(game, map, port, anchor, std::nullopt, room);
}

}  // namespace qm
