#include "map/ArrowGeometry.h"

#include "map/HexSearch.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <cmath>

namespace qm {

namespace {

const float kPi = 4 * std::atan(1.0f);
constexpr float kSpread = 0.25f;

struct Anchor {
    float x;
    float y;
};

// On the cell's vertical centre line, a quarter of the cell height below its middle.
std::optional<Anchor> AnchorOf(const GameState& game, const MapState& map, int area) {
    const std::optional<HexPosition> cell = FindHexOfArea(game, map.hexes, area);
    if (!cell) return std::nullopt;
    const Geometry& g = map.geometry;
    const int c = cell->Column - 1;
    return Anchor{static_cast<float>(c) * g.Pitch() + static_cast<float>(g.HexSize / 2),
                  static_cast<float>((cell->Row - 1) * g.CellHeight + (3 * g.CellHeight) / 4 +
                                     (c % 2) * (g.CellHeight / 2))};
}

bool Compute(const GameState& game, const MapState& map, ArrowRecord& arrow) {
    const std::optional<Anchor> low = AnchorOf(game, map, arrow.EndA.Area);
    const std::optional<Anchor> high = AnchorOf(game, map, arrow.EndB.Area);
    if (!low || !high) return false;
    float x1 = low->x, y1 = low->y, x2 = high->x, y2 = high->y;

    // The shortest way, across the wrap if that is shorter.
    const auto width = static_cast<float>(map.geometry.MapWidth());
    const auto height = static_cast<float>(kRows * map.geometry.CellHeight);
    if (x1 - x2 > width / 2) {
        x2 += width;
    } else if (x2 - x1 > width / 2) {
        x1 += width;
    }
    if (y1 - y2 > height / 2) {
        y2 += height;
    } else if (y2 - y1 > height / 2) {
        y1 += height;
    }

    float theta;
    if (x2 == x1) {
        theta = y2 > y1 ? kPi / 2 : y2 < y1 ? -kPi / 2 : 0;
    } else {
        theta = std::atan((y2 - y1) / (x2 - x1));
        if (x2 < x1) theta -= kPi;
    }
    const auto stroke = static_cast<float>(map.geometry.CellHeight / 4);
    const float c1 = stroke * std::cos(theta + kSpread), s1 = stroke * std::sin(theta + kSpread);
    const float c2 = stroke * std::cos(theta - kSpread), s2 = stroke * std::sin(theta - kSpread);

    ArrowEnd& a = arrow.EndA;
    a.TipX = x1, a.TipY = y1;
    a.Barb1X = x1 + c1, a.Barb1Y = y1 + s1;
    a.Barb2X = x1 + c2, a.Barb2Y = y1 + s2;
    ArrowEnd& b = arrow.EndB;
    b.TipX = x2, b.TipY = y2;
    b.Barb1X = x2 - c1, b.Barb1Y = y2 - s1;
    b.Barb2X = x2 - c2, b.Barb2Y = y2 - s2;
    return true;
}

}  // namespace

std::optional<ArrowRecord> CreateArrow(const GameState& game, const MapState& map, int low,
                                       int high) {
    ArrowRecord arrow;
    arrow.EndA.Area = static_cast<std::int16_t>(low);
    arrow.EndB.Area = static_cast<std::int16_t>(high);
    if (!Compute(game, map, arrow)) return std::nullopt;
    return arrow;
}

void RecomputeArrows(const GameState& game, MapState& map) {
    for (ArrowRecord& arrow : map.picture.ArrowTable) Compute(game, map, arrow);
}

QRectF ArrowBounds(const ArrowRecord& arrow, const ArrowEnd& head) {
    const QRectF shaft =
        QRectF(QPointF(arrow.EndA.TipX, arrow.EndA.TipY), QPointF(arrow.EndB.TipX, arrow.EndB.TipY))
            .normalized();
    const QRectF barbs =
        QRectF(QPointF(head.Barb1X, head.Barb1Y), QPointF(head.Barb2X, head.Barb2Y)).normalized();
    return shaft.united(barbs).united(QRectF(head.TipX, head.TipY, 0, 0));
}

std::vector<QPointF> WrapOffsets(QSize size, const QRectF& bounds, QPointF origin,
                                 double mapWidth) {
    std::vector<QPointF> offsets;
    const QRectF picture(QPointF(0, 0), QSizeF(size));
    for (const double shift : {0.0, mapWidth, -mapWidth}) {
        const QPointF offset = origin + QPointF(shift, 0);
        if (picture.intersects(bounds.translated(offset))) offsets.push_back(offset);
    }
    return offsets;
}

}  // namespace qm
