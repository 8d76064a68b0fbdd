#include "map/ArrowDrawing.h"

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
    const QRectF visible = QRectF(view.rect()).adjusted(-2, -2, 2, 2);
    const QLineF lines[] = {
        {arrow.EndA.TipX, arrow.EndA.TipY, arrow.EndB.TipX, arrow.EndB.TipY},
        {head.TipX, head.TipY, head.Barb1X, head.Barb1Y},
        {head.TipX, head.TipY, head.Barb2X, head.Barb2Y},
    };
    QRectF bounds = QRectF(lines[0].p1(), lines[0].p2()).normalized();
    for (const QLineF& line : lines) bounds |= QRectF(line.p1(), line.p2()).normalized();
    for (const float shift : {0.0f, mapWidth, -mapWidth}) {
        const QPointF offset = origin + QPointF(shift, 0);
        if (!visible.intersects(bounds.translated(offset))) continue;
        for (const QLineF& line : lines) {
            DrawLine(view, line.p1() + offset, line.p2() + offset, width, colour);
        }
    }
}

}  // namespace

void PaintOrderArrow(const GameState& game, MapState& map, std::int16_t from, std::int16_t to,
                     const QString& code) {
    const int colour = ArrowOrderIndex(code);
    if (colour < 0 || !IsAreaNumber(from) || !IsAreaNumber(to) || from == to) return;
    ArrowRecord* arrow = FindOrCreateArrow(game, map, std::min(from, to), std::max(from, to));
    if (arrow == nullptr) return;
    ArrowEnd& head = to < from ? arrow->EndA : arrow->EndB;
    head.OrderCode = code;

    const DisplaySettings& display = map.display;
    const QPointF origin(display.MapX, display.MapY);
    const auto mapWidth = static_cast<float>(map.geometry.MapWidth());
    // A black outline three pixels wide, then the order's colour inside it.
    QImage& view = map.picture.picView;
    PaintPass(view, *arrow, head, origin, mapWidth, 3, qRgb(0, 0, 0));
    PaintPass(view, *arrow, head, origin, mapWidth, 1,
              ToRgb(display.ArrowColours[static_cast<std::size_t>(colour)]));
}

void DrawOrderArrow(const GameState& game, MapState& map, WindowPort& port, std::int16_t from,
                    std::int16_t to, const QString& code) {
    if (!map.picture.IsLoaded() || map.picture.picView.isNull()) return;
    PaintOrderArrow(game, map, from, to, code);
    port.ViewChanged();
}

}  // namespace qm
