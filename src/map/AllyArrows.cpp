#include "map/AllyArrows.h"

#include "map/ArrowGeometry.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"

#include <QLineF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr double kDash = 7;
constexpr double kGap = 7;  // the board shows between the dashes' edges

// White sets off every colour but the lightest, which get black.
QRgb OutlineFor(QRgb colour) { return qGray(colour) > 200 ? qRgb(0, 0, 0) : qRgb(255, 255, 255); }

void DrawDashes(QImage& picture, QPointF from, QPointF to, int width, QRgb colour, int scale) {
    const QLineF line(from, to);
    const double length = line.length();
    if (length < 1) return;
    for (double at = 0; at < length; at += (kDash + kGap) * scale) {
        const double end = std::min(at + kDash * scale, length);
        DrawLine(picture, line.pointAt(at / length), line.pointAt(end / length), width, colour);
    }
}

}  // namespace

void DrawAllyArrow(QImage& picture, QPointF tail, QPointF tip, QPointF barb1, QPointF barb2,
                   QRgb colour, int scale) {
    // Wider than the player's arrows, so that the ally's colour shows even on his own land.
    for (const auto& [width, ink] :
         {std::pair{2 * scale + 3, OutlineFor(colour)}, std::pair{2 * scale + 1, colour}}) {
        DrawDashes(picture, tail, tip, width, ink, scale);
        DrawLine(picture, tip, barb1, width, ink);
        DrawLine(picture, tip, barb2, width, ink);
    }
}

void PaintAllyArrows(const GameState& game, const MapState& map, QImage& target, QPointF origin) {
    if (!map.picture.ShowAllyOrders || game.Allies.plans.empty()) return;
    const int scale = map.picture.Scale;
    const double reach = 2 * scale + 3;  // the outline's width
    const auto mapWidth = static_cast<double>(map.geometry.MapWidth());
    for (const AllyPlan& plan : game.Allies.plans) {
        const QRgb colour =
            ToRgb(map.display.CountryColours[static_cast<std::size_t>(plan.player)]);
        for (int from = 1; from <= kLastArea; ++from) {
            const AllyOrder& order = plan.orders[static_cast<std::size_t>(from)];
            const int to = order.Parm1;
            if (!IsArrowOrder(order.Command) || !IsAreaNumber(to) || to == from) continue;
            const std::optional<ArrowRecord> arrow =
                CreateArrow(game, map, std::min(from, to), std::max(from, to));
            if (!arrow) continue;
            const ArrowEnd& head = to < from ? arrow->EndA : arrow->EndB;
            const ArrowEnd& tail = to < from ? arrow->EndB : arrow->EndA;
            const QPointF tailAt(tail.TipX, tail.TipY), tipAt(head.TipX, head.TipY);
            const QPointF barb1(head.Barb1X, head.Barb1Y), barb2(head.Barb2X, head.Barb2Y);
            const QRectF bounds = ArrowBounds(*arrow, head).adjusted(-reach, -reach, reach, reach);
            for (const QPointF at : WrapOffsets(target.size(), bounds, origin, mapWidth))
                DrawAllyArrow(target, tailAt + at, tipAt + at, barb1 + at, barb2 + at, colour,
                              scale);
        }
    }
}

}  // namespace qm
