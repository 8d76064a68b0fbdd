#include "map/CellDrawing.h"

#include "BoardFixture.h"

namespace qm {
namespace {

using test::BoardFixture;

// `width` columns of an image from `from` on, combined at `x` into a block; -1: all of it.
struct Piece {
    const QImage* image;
    int x, from = 0, width = -1;
};
QImage Expected(QRgb fill, std::initializer_list<Piece> pieces) {
    QImage expected(kUnitWidth, kImageHeight, QImage::Format_RGB32);
    expected.fill(fill);
    for (const Piece& p : pieces)
        XorImage(expected, p.x, 0, *p.image, p.from, p.width < 0 ? p.image->width() : p.width);
    return expected;
}

class CellDrawing : public BoardFixture {};

TEST_F(CellDrawing, CellsAreFilledByTerrainAndOwner) {
    // Another no-entry value (7) still takes its owner's colour. Settings colours keep red in
    // the lowest byte: water 0x405060 is drawn as red 0x60.
    const std::int16_t types[] = {kLand, kWater, kNoEntry, 7};
    const QRgb fills[] = {Country(2), qRgb(0x60, 0x50, 0x40), qRgb(0x90, 0x80, 0x70), Country(2)};
    for (int i = 0; i < 4; ++i) Place(10 + i, 5 + 2 * i, 5, false, 2, types[i]);
    Load(26, true);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(At(Centre(5 + 2 * i, 5)), fills[i]) << i;
    EXPECT_EQ(At(Centre(20, 5)), Country(0));  // cells of no area: record 0, neutral
}

TEST_F(CellDrawing, BorderLinesOnlyOnFlaggedSides) {
    Place(10, 5, 5, false, 2);
    session.map.hexes.at(5, 5).Border[1] = session.map.hexes.at(5, 5).Border[2] = 1;
    Load(20, true);
    const auto o = Outline(5, 5);
    const QRgb border = ToRgb(session.map.display.BorderColour);
    auto middle = [&](int a, int b) {
        return QPoint((o[a].x() + o[b].x()) / 2, (o[a].y() + o[b].y()) / 2);
    };
    // Two pixels wide on sides 1 and 2; sides 3..6 are not flagged: the fills meet.
    EXPECT_EQ(std::tuple(At(middle(0, 1)), At(middle(0, 1) + QPoint(0, -1)), At(middle(1, 2))),
              std::tuple(border, border, border));
    EXPECT_EQ(At(middle(0, 1) + QPoint(0, 1)), Country(2));
    for (const QPoint p : {middle(3, 4), middle(3, 4) + QPoint(0, -1)}) EXPECT_NE(At(p), border);
}

struct UnitCase {
    const char* name;
    std::int16_t areaOwner, areaType, unitType, unitOwner;
    const char* command;
    std::int16_t unitDisplay;
    int boxOwner, cellOwner;  // whose colour the block shows; the cell's around it (-1: water)
    std::vector<std::array<int, 4>> units;  // picUnit index, x, from, width
};

class UnitLine : public BoardFixture, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitLine, ShowsTheUnitInItsBox) {
    const UnitCase& c = GetParam();
    AreaRecord& area = Place(10, 5, 5, true, c.areaOwner, c.areaType);
    area.UnitType = c.unitType, area.UnitOwner = c.unitOwner, area.Command = c.command;
    session.map.picture.UnitDisplay = c.unitDisplay;
    Load(26, true);
    QImage expected = Expected(Country(c.boxOwner), {});
    for (const auto& [unit, x, from, width] : c.units)
        XorImage(expected, x, 0, StandardArtwork().picUnit[std::size_t(unit)], from, width);
    EXPECT_EQ(Box(5, 5), expected);
    // The box is 32 pixels wide; the cell around it keeps its own fill.
    const QRgb fill =
        c.cellOwner < 0 ? ToRgb(session.map.display.WaterColour) : Country(c.cellOwner);
    EXPECT_EQ(At(Outline(5, 5)[0] + QPoint(2, 2)), fill);
    EXPECT_EQ(At(Band(5, 5) + QPoint(kUnitWidth, 15)), fill);
}

constexpr std::array<int, 4> kWhole(int unit) { return {unit, 0, 0, kUnitWidth}; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UnitLine, ::testing::Values(
    UnitCase{"Guest", 2, kLand, kArmy, 3, "", 0, 3, 2, {kWhole(0)}},
    UnitCase{"AtSea", 2, kWater, kFleet, 2, "", 0, 2, -1, {kWhole(2)}},
    UnitCase{"AsSymbol", 2, kLand, kCorps, 2, "", 4, 2, 2, {kWhole(5)}},
    UnitCase{"BuildArmy", 2, kLand, 0, 0, "AA", 0, 2, 2, {kWhole(0)}},
    // Changing units: the left half of the old image, the right half of the new.
    UnitCase{"Downgrade", 2, kLand, kArmy, 2, "DU", 0, 2, 2, {{0, 0, 0, 16}, {1, 16, 16, 16}}},
    UnitCase{"Upgrade", 2, kLand, kSquadron, 2, "UU", 0, 2, 2, {{3, 0, 0, 16}, {2, 16, 16, 16}}},
    // Nothing below a squadron: the whole image; an owner out of range is neutral.
    UnitCase{"NoDowngrade", 99, kLand, kSquadron, 2, "DU", 4, 2, 0, {kWhole(7)}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(CellDrawing, NumbersAndSupplyMarkersTakeTheirPlaces) {
    // No unit: the wide marker in the unit line, 2 for a home. Unit and number: the narrow
    // marker beside the number. Unit, no number: the wide marker above; 9 is the largest.
    for (const auto& [area, column, supply, unit, number] :
         {std::tuple{10, 5, 1, false, false}, {12, 13, 2, true, true}, {173, 17, 9, true, false}}) {
        AreaRecord& r = Place(area, column, 5, true, 2);
        r.Supply = static_cast<std::int16_t>(supply), r.HomeFlag = area == 10 ? -1 : 0;
        r.UnitType = unit ? kArmy : 0, r.UnitOwner = unit ? 2 : 0;
        session.map.hexes.at(column, 5).ShowSupply = -1;
        session.map.hexes.at(column, 5).ShowNumber = number ? -1 : 0;
    }
    Load(26, true);
    const auto& art = StandardArtwork();
    const QRgb fill = Country(2);
    EXPECT_EQ(Box(5, 5, true), Expected(fill, {}));
    EXPECT_EQ(Box(5, 5), Expected(fill, {{&art.picSupplyWide[2], 0}}));
    EXPECT_EQ(Box(13, 5, true), Expected(fill, {{&art.picDigit[1], 4},
                                                {&art.picDigit[2], 12},
                                                {&art.picSupplyNarrow[1], 24}}));
    EXPECT_EQ(Box(17, 5, true), Expected(fill, {{&art.picSupplyWide[2], 0}}));
    EXPECT_EQ(Box(17, 5), Expected(fill, {{&art.picUnit[0], 0}}));
}

struct SizeClassCase {
    std::int16_t size;
    bool hexagons;
    int shown;  // 0: nothing; 1: the unit on the middle line; 2: unit and label lines
};

class SizeClasses : public BoardFixture, public ::testing::WithParamInterface<SizeClassCase> {};

TEST_P(SizeClasses, DecideWhatACellShows) {
    // The cells around belong to the same area, so only what is drawn stands out.
    for (int column = 3; column <= 7; ++column)
        for (int row = 3; row <= 7; ++row) Place(10, column, row);
    AreaRecord& area = Place(10, 5, 5, true, 2);
    area.UnitType = kArmy, area.UnitOwner = 2, area.Supply = 1;
    session.map.hexes.at(5, 5).ShowNumber = session.map.hexes.at(5, 5).ShowSupply = -1;
    Load(GetParam().size, GetParam().hexagons);
    const auto o = Outline(5, 5);
    auto drawn = [&](int top, int bottom) {
        for (int y = o[2].y() + top; y < o[2].y() + bottom; ++y)
            for (int x = o[5].x() + 1; x < o[2].x(); ++x)
                if (At({x, y}) != Country(2)) return true;
        return false;
    };
    const int shown = GetParam().shown;
    EXPECT_EQ(drawn(shown == 1 ? -8 : 0, shown == 1 ? 8 : 16), shown > 0);  // the unit line
    EXPECT_EQ(drawn(-16, shown == 1 ? -8 : 0), shown == 2);                 // the label line
    EXPECT_EQ(drawn(8, o[3].y() - o[2].y()), shown == 2);  // below a centred unit: nothing
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizes, SizeClasses, ::testing::Values(
    SizeClassCase{21, true, 0}, SizeClassCase{22, true, 1}, SizeClassCase{25, true, 1}, SizeClassCase{26, true, 2},
    SizeClassCase{33, false, 0}, SizeClassCase{34, false, 2}),
    [](const auto& i) { return std::string(i.param.hexagons ? "Hexagons" : "Squares") + std::to_string(i.param.size); });
// clang-format on

TEST_F(CellDrawing, TheWholeBoardUnderABusyPointer) {
    Place(12, 1, 5, false, 3);
    Load(26, true);
    // The half row above the first row of a shifted column stays white.
    EXPECT_EQ(At(QPoint(Outline(2, 1)[0].x() + 4, 1)), 0xFFFFFFFFu);
    // The west corners of column 1 show at the east edge.
    EXPECT_EQ(At(QPoint(session.map.geometry.MapWidth() - 2, Outline(1, 5)[5].y())), Country(3));
    EXPECT_EQ(port.busyCalls, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace qm
