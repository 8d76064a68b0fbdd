#include "map/ArrowDrawing.h"

#include "map/AllyArrows.h"
#include "map/ArrowGeometry.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

#include <QLineF>
#include <QRectF>

#include <algorithm>

namespace qm {

namespace {

ArrowRecord* FindOrCreateArrow(const GameState& game, MapState& map, int low, int high) {
    auto& table = map.picture.ArrowTable;
    const auto found = std::find_if(table.begin(), table.end(), [&](const ArrowRecord& arrow) {
        return arrow.EndA.Area == low && arrow.EndB.Area == high;
    });
    if (found != table.end()) return &*found;
    std::optional<ArrowRecord> created = CreateArrow(game, map, low, high);
    if (!created) return nullptr;
    table.push_back(std::move(*created));
    return &table.back();
}

// One pass: the shaft and the head at one end, at each of the three
// translations that can show it (the board wraps east-west).
void PaintPass(QImage& view, const ArrowRecord& arrow, const ArrowEnd& head, QPointF origin,
               float mapWidth, int width, QRgb colour) {
    const QLineF lines[] = {
        {arrow.EndA.TipX, arrow.EndA.TipY, arrow.EndB.TipX, arrow.EndB.TipY},
        {head.TipX, head.TipY, head.Barb1X, head.Barb1Y},
        {head.TipX, head.TipY, head.Barb2X, head.Barb2Y},
    };
    const QRectF bounds = ArrowBounds(arrow, head).adjusted(-width, -width, width, width);
    for (const QPointF offset : WrapOffsets(view.size(), bounds, origin, mapWidth))
        for (const QLineF& line : lines)
            DrawLine(view, line.p1() + offset, line.p2() + offset, width, colour);
}

}  // namespace

void PaintArrowOn(const GameState& game, MapState& map, QImage& target, QPointF origin,
                  std::int16_t from, std::int16_t to, const QString& code) {
    const int colour = ArrowOrderIndex(code);
    if (colour < 0 || !IsAreaNumber(from) || !IsAreaNumber(to) || from == to) return;
    ArrowRecord* arrow = FindOrCreateArrow(game, map, std::min(from, to), std::max(from, to));
    if (arrow == nullptr) return;
    ArrowEnd& head = to < from ? arrow->EndA : arrow->EndB;
    head.OrderCode = code;

    const auto mapWidth = static_cast<float>(map.geometry.MapWidth());
    // A black outline, then the order's colour inside it; a pixel wider on each
    // side for each step of the picture's scale.
    const int scale = map.picture.Scale;
    PaintPass(target, *arrow, head, origin, mapWidth, 2 * scale + 1, qRgb(0, 0, 0));
    PaintPass(target, *arrow, head, origin, mapWidth, 2 * scale - 1,
              ToRgb(map.display.ArrowColours[static_cast<std::size_t>(colour)]));
}

void PaintOrderArrow(const GameState& game, MapState& map, std::int16_t from, std::int16_t to,
                     const QString& code) {
    PaintArrowOn(game, map, map.picture.picView, QPointF(map.display.MapX, map.display.MapY), from,
                 to, code);
}

void DrawOrderArrow(const GameState& game, MapState& map, WindowPort& port, std::int16_t from,
                    std::int16_t to, const QString& code) {
    if (!map.picture.IsLoaded() || map.picture.picView.isNull()) return;
    PaintOrderArrow(game, map, from, to, code);
    port.ViewChanged();
}

namespace {

// What the arrow layer shows: the board under it, its geometry and colours,
// and every arrow order, the player's and the allies' shown; `arrows` counts them.
std::uint64_t ArrowsKey(const GameState& game, const MapState& map, int& arrows) {
    std::uint64_t key = 14695981039346656037ull;
    const auto mix = [&key](std::uint64_t value) { key = (key ^ value) * 1099511628211ull; };
    mix(static_cast<std::uint64_t>(map.picture.picMap.cacheKey()));
    mix(static_cast<std::uint64_t>(map.geometry.HexSize) << 16 |
        static_cast<std::uint16_t>(map.geometry.CellHeight));
    mix(static_cast<std::uint64_t>(map.picture.Scale));
    for (const std::int32_t colour : map.display.ArrowColours)
        mix(static_cast<std::uint32_t>(colour));
    auto order = [&](int area, const QString& code, std::int16_t target) {
        if (const int index = ArrowOrderIndex(code); index >= 0) {
            mix(static_cast<std::uint64_t>(area) << 24 | static_cast<std::uint64_t>(index) << 16 |
                static_cast<std::uint16_t>(target));
            ++arrows;
        }
    };
    for (int i = 1; i <= kLastArea; ++i) order(i, game.area(i).Command, game.area(i).Parm1);
    if (!map.picture.ShowAllyOrders) return key;
    for (const AllyPlan& plan : game.Allies.plans) {
        mix(0xA11Eu + static_cast<std::uint64_t>(plan.player));
        mix(static_cast<std::uint32_t>(
            map.display.CountryColours[static_cast<std::size_t>(plan.player)]));
        for (int i = 1; i <= kLastArea; ++i)
            order(i, plan.orders[static_cast<std::size_t>(i)].Command,
                  plan.orders[static_cast<std::size_t>(i)].Parm1);
    }
    return key;
}

}  // namespace

const QImage& BoardWithArrows(const GameState& game, MapState& map) {
    MapPicture& picture = map.picture;
    int arrows = 0;
    const std::uint64_t key = ArrowsKey(game, map, arrows);
    if (arrows == 0) {
        // No second board's worth of memory for a turn without arrows.
        picture.picArrows = QImage();
        return picture.picMap;
    }
    if (!picture.picArrows.isNull() && picture.arrowsKey == key) return picture.picArrows;
    picture.picArrows = picture.picMap.copy();
    PaintAllyArrows(game, map, picture.picArrows, QPointF(0, 0));
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        PaintArrowOn(game, map, picture.picArrows, QPointF(0, 0), i, area.Parm1, area.Command);
    }
    picture.arrowsKey = key;
    return picture.picArrows;
}

}  // namespace qm
