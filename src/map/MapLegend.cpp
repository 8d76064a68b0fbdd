#include "map/MapLegend.h"

#include "map/AllyArrows.h"
#include "map/Artwork.h"
#include "map/Raster.h"
#include "state/OrderCodes.h"
#include "state/TypeNames.h"

namespace qm {

namespace {

QImage BlankLegend(std::int32_t colour) {
    QImage picture(kUnitWidth, kImageHeight, QImage::Format_RGB32);
    picture.fill(ToRgb(colour));
    return picture;
}

QImage Arrow(const DisplaySettings& display, int index) {
    QImage picture = BlankLegend(display.CountryColours[0]);
    const QPointF tail(3, 8), tip(28, 8), barb1(22, 4), barb2(22, 12);
    // Black first and wide, then the colour: the outline the map's arrows have.
    for (const auto& [width, colour] :
         {std::pair{3, qRgb(0, 0, 0)},
          std::pair{1, ToRgb(display.ArrowColours[static_cast<std::size_t>(index)])}}) {
        DrawLine(picture, tail, tip, width, colour);
        DrawLine(picture, tip, barb1, width, colour);
        DrawLine(picture, tip, barb2, width, colour);
    }
    return picture;
}

}  // namespace

std::vector<LegendEntry> MapLegend(const DisplaySettings& display) {
    const Artwork& art = StandardArtwork();
    const std::int32_t land = display.CountryColours[0];
    auto image = [&](const QImage& mask, std::int32_t colour = -1) {
        QImage picture = BlankLegend(colour < 0 ? land : colour);
        XorImage(picture, (kUnitWidth - mask.width()) / 2, 0, mask);
        return picture;
    };
    std::vector<LegendEntry> legend;
    for (int i = 0; i < 4; ++i)
        legend.push_back(
            {image(art.picUnit[static_cast<std::size_t>(i)]),
             QStringLiteral("%1 (picture)").arg(UnitTypeName(static_cast<std::int16_t>(i + 1)))});
    for (int i = 0; i < 4; ++i)
        legend.push_back(
            {image(art.picUnit[static_cast<std::size_t>(i + 4)]),
             QStringLiteral("%1 (symbol)").arg(UnitTypeName(static_cast<std::int16_t>(i + 1)))});
    legend.push_back({image(art.picUnit[0], display.CountryColours[2]),
                      QStringLiteral("a unit on a box in its owner's colour: another player's "
                                     "unit in the area, or any unit at sea")});
    QImage half = BlankLegend(land);
    XorImage(half, 0, 0, art.picUnit[0], 0, kUnitWidth / 2);
    XorImage(half, kUnitWidth / 2, 0, art.picUnit[1], kUnitWidth / 2, kUnitWidth / 2);
    legend.push_back({half, QStringLiteral("half one unit, half the next: an upgrade (UU) or "
                                           "downgrade (DU) is ordered")});
    legend.push_back({image(art.picUnit[2]),
                      QStringLiteral("a unit in an area without one: a build (AA, AC, AF, AS) "
                                     "is ordered there")});
    QImage number = BlankLegend(land);
    XorImage(number, 4, 0, art.picDigit[4]);
    XorImage(number, 12, 0, art.picDigit[2]);
    XorImage(number, 24, 0, art.picSupplyNarrow[1]);
    legend.push_back({number, QStringLiteral("area number; beside it the supply marker when a "
                                             "unit stands in the area")});
    const char* supply[] = {"supply centre of value 1", "supply centre of value 2",
                            "supply centre of value 3, or a home area"};
    for (int i = 0; i < 3; ++i)
        legend.push_back(
            {image(art.picSupplyWide[static_cast<std::size_t>(i)]), QLatin1String(supply[i])});
    QImage faded = BlankLegend(land);
    faded.fill(Faded(ToRgb(display.CountryColours[1])));
    legend.push_back({faded, QStringLiteral("a pale area: not shown by this report, in the colour "
                                            "of its owner when last seen (Options > Last Seen "
                                            "Areas)")});
    // In the order of kArrowOrders.
    const char* arrows[] = {"convoy", "move", "support attack", "support defence"};
    for (int i = 0; i < static_cast<int>(kArrowOrders.size()); ++i)
        legend.push_back({Arrow(display, i), QStringLiteral("%1 %2 arrow: the head points at the "
                                                            "target area")
                                                 .arg(kArrowOrders[static_cast<std::size_t>(i)],
                                                      QLatin1String(arrows[i]))});
    QImage ally = BlankLegend(display.CountryColours[0]);
    DrawAllyArrow(ally, {3, 8}, {28, 8}, {22, 4}, {22, 12}, ToRgb(display.CountryColours[3]));
    legend.push_back({ally, QStringLiteral("dashed arrow in a player's colour: that ally's order, "
                                           "from his orders file (File > Show Ally's Orders)")});
    return legend;
}

}  // namespace qm
