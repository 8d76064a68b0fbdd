#include "map/ArrowGeometry.h"

#include "map/HexSearch.h"
#include "map/MapDrawing.h"
#include "state/Session.h"

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
std::optional<Anchor> AnchorOf(const Session& session, int area) {
    const std::optional<HexPosition> cell = FindHexOfArea(session, area);
    if (!cell) return std::nullopt;
    const Geometry& g = session.geometry;
    const int c = cell->Column - 1;
    return Anchor{static_cast<float>(c) * g.Pitch() + static_cast<float>(g.HexSize / 2),
                  static_cast<float>((cell->Row - 1) * g.CellHeight + (3 * g.CellHeight) / 4 +
                                     (c % 2) * (g.CellHeight / 2))};
}

bool Compute(const Session& session, ArrowRecord& arrow) {
    const std::optional<Anchor> low = AnchorOf(session, arrow.EndA.Area);
    const std::optional<Anchor> high = AnchorOf(session, arrow.EndB.Area);
    if (!low || !high) return false;
    float x1 = low->x, y1 = low->y, x2 = high->x, y2 = high->y;

    // The shortest way, across the wrap if that is shorter.
    const auto width = static_cast<float>(session.geometry.MapWidth());
    const auto height = static_cast<float>(kRows * session.geometry.CellHeight);
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
    const auto stroke = static_cast<float>(session.geometry.CellHeight / 4);
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

std::optional<ArrowRecord> CreateArrow(const Session& session, int low, int high) {
    ArrowRecord arrow;
    arrow.EndA.Area = static_cast<std::int16_t>(low);
    arrow.EndB.Area = static_cast<std::int16_t>(high);
    if (!Compute(session, arrow)) return std::nullopt;
    return arrow;
}

void RecomputeArrows(Session& session) {
    for (ArrowRecord& arrow : session.picture.ArrowTable) Compute(session, arrow);
}

}  // namespace qm
