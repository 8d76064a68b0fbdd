#include "map/MapDrawing.h"

#include "BoardFixture.h"

namespace qm {
namespace {

using test::BoardFixture;

// The picture a band would show: the given fill with images combined at offsets.
struct Placed {
    const QImage* image;
    int x, y;
};
QImage Expected(QRgb fill, int width, int height, std::initializer_list<Placed> images) {
    QImage expected(width, height, QImage::Format_RGB32);
    expected.fill(fill);
    for (const Placed& p : images) XorImage(expected, p.x, p.y, *p.image);
    return expected;
}

class CellDrawing : public BoardFixture {};

TEST_F(CellDrawing, CellsAreFilledByTerrainAndOwner) {
    Place(10, 5, 5);
    Area(10, 2);
    Place(11, 7, 5);
    Area(11, 2, kWater);
    Place(12, 9, 5);
    Area(12, 2, kNoEntry);
    Place(13, 11, 5);
    Area(13, 2, 7);  // another no-entry value still takes its owner's colour
    Load(26, true);
    auto centre = [&](int column) {
        const auto o = Outline(column, 5);
        return QPoint((o[0].x() + o[1].x()) / 2, o[2].y());
    };
    EXPECT_EQ(At(centre(5)), Country(2));
    EXPECT_EQ(At(centre(7)), ToRgb(session.display.WaterColour));
    EXPECT_EQ(At(centre(9)), ToRgb(session.display.NoGoColour));
    EXPECT_EQ(At(centre(11)), Country(2));
    EXPECT_EQ(At(centre(20)), Country(0));  // cells of no area: record 0, neutral
}

TEST_F(CellDrawing, BorderLinesOnlyOnFlaggedSides) {
    Place(10, 5, 5);
    Area(10, 2);
    session.hexes.at(5, 5).Border[1] = 1;
    session.hexes.at(5, 5).Border[2] = 1;
    Load(20, true);
    const auto o = Outline(5, 5);
    const QRgb border = ToRgb(session.display.BorderColour);
    const QPoint topMiddle((o[0].x() + o[1].x()) / 2, o[0].y());
    EXPECT_EQ(At(topMiddle), border);
    EXPECT_EQ(At(topMiddle + QPoint(0, -1)), border);  // two pixels wide
    EXPECT_EQ(At(topMiddle + QPoint(0, 1)), Country(2));
    const QPoint upperRight((o[1].x() + o[2].x()) / 2, (o[1].y() + o[2].y()) / 2);
    EXPECT_EQ(At(upperRight), border);
    // Sides 3..6 are not flagged: the fills of the cells meet.
    const QPoint bottomMiddle((o[3].x() + o[4].x()) / 2, o[3].y());
    EXPECT_NE(At(bottomMiddle), border);
    EXPECT_NE(At(bottomMiddle + QPoint(0, -1)), border);
    const QPoint lowerLeft((o[4].x() + o[5].x()) / 2, (o[4].y() + o[5].y()) / 2);
    EXPECT_EQ(At(lowerLeft), Country(2));
}

TEST_F(CellDrawing, SquareCellsAreSquares) {
    Place(10, 5, 5);
    Area(10, 2);
    Load(30, false);
    const auto o = Outline(5, 5);
    EXPECT_EQ(o[2].x(), o[1].x());
    EXPECT_EQ(At(o[0]), Country(2));
    EXPECT_EQ(At(o[3] - QPoint(1, 1)), Country(2));
    EXPECT_EQ(At(o[2] + QPoint(1, 0)), Country(0));
    EXPECT_EQ(At(o[5] - QPoint(1, 0)), Country(0));
}

TEST_F(CellDrawing, AUnitBoxOnlyForAGuestUnitOrAtSea) {
    const QImage& army = StandardArtwork().picUnit[0];
    ASSERT_EQ(army.pixel(0, 0) & 0xFFFFFF, 0u);  // the box shows at the image's clear corner
    Place(10, 5, 5, true);
    Area(10, 2).UnitType = kArmy;
    session.game.area(10).UnitOwner = 3;  // a guest
    Place(11, 9, 5, true);
    Area(11, 2).UnitType = kArmy;
    session.game.area(11).UnitOwner = 2;  // at home
    Place(12, 13, 5, true);
    Area(12, 2, kWater).UnitType = kFleet;
    session.game.area(12).UnitOwner = 2;  // at sea
    Load(26, true);
    EXPECT_EQ(At(Band(5, 5)), Country(3));
    EXPECT_EQ(At(Band(5, 5) + QPoint(31, 15)), Country(3));
    EXPECT_NE(At(Band(5, 5) + QPoint(32, 15)), Country(3));
    EXPECT_EQ(At(Band(9, 5)), Country(2));
    EXPECT_EQ(At(Band(13, 5)), Country(2));
    EXPECT_EQ(Region(Band(13, 5).x(), Band(13, 5).y(), 32, 16),
              Expected(Country(2), 32, 16, {{&StandardArtwork().picUnit[2], 0, 0}}));
}

TEST_F(CellDrawing, UnitsAreCombinedByExclusiveOr) {
    Place(10, 5, 5, true);
    Area(10, 2).UnitType = kCorps;
    session.game.area(10).UnitOwner = 2;
    Load(26, true);
    const QPoint band = Band(5, 5);
    EXPECT_EQ(Region(band.x(), band.y(), 32, 16),
              Expected(Country(2), 32, 16, {{&StandardArtwork().picUnit[1], 0, 0}}));

    session.picture.UnitDisplay = 4;
    DrawCell(session, 5, 5, 0, 0);
    EXPECT_EQ(Region(band.x(), band.y(), 32, 16),
              Expected(Country(2), 32, 16, {{&StandardArtwork().picUnit[5], 0, 0}}));
}

TEST_F(CellDrawing, TheSameImageTwiceRestoresTheBoard) {
    Place(10, 5, 5);
    Area(10, 2);
    Load(26, true);
    const QImage before = Board();
    QImage& board = session.picture.picMap;
    for (const QImage& image : StandardArtwork().picUnit) {
        XorImage(board, 100, 40, image);
        EXPECT_NE(Board(), before);
        XorImage(board, 100, 40, image);
        EXPECT_EQ(Board(), before);
    }
    XorImage(board, -5, -3, StandardArtwork().picUnit[0]);  // clipped at the edges
    XorImage(board, -5, -3, StandardArtwork().picUnit[0]);
    EXPECT_EQ(Board(), before);
}

TEST_F(CellDrawing, ChangingUnitsShowHalfOfEachImage) {
    Place(10, 5, 5, true);
    Area(10, 2).UnitType = kArmy;
    session.game.area(10).UnitOwner = 2;
    session.game.area(10).Command = "DU";
    Place(11, 9, 5, true);
    Area(11, 2).UnitType = kSquadron;
    session.game.area(11).UnitOwner = 2;
    session.game.area(11).Command = "UU";
    Load(26, true);
    const auto& units = StandardArtwork().picUnit;
    QImage downgrade(32, 16, QImage::Format_RGB32);
    downgrade.fill(Country(2));
    XorImage(downgrade, 0, 0, units[0], 0, 16);
    XorImage(downgrade, 16, 0, units[1], 16, 16);
    EXPECT_EQ(Region(Band(5, 5).x(), Band(5, 5).y(), 32, 16), downgrade);
    QImage upgrade(32, 16, QImage::Format_RGB32);
    upgrade.fill(Country(2));
    XorImage(upgrade, 0, 0, units[3], 0, 16);
    XorImage(upgrade, 16, 0, units[2], 16, 16);
    EXPECT_EQ(Region(Band(9, 5).x(), Band(9, 5).y(), 32, 16), upgrade);
}

TEST_F(CellDrawing, BuildOrdersShowTheUnitBeingBuilt) {
    const char* const builds[] = {"AA", "AC", "AF", "AS"};
    for (int i = 0; i < 4; ++i) {
        Place(10 + i, 5 + 4 * i, 5, true);
        Area(10 + i, 2).Command = builds[i];
    }
    Load(26, true);
    for (int i = 0; i < 4; ++i) {
        const QPoint band = Band(5 + 4 * i, 5);
        EXPECT_EQ(Region(band.x(), band.y(), 32, 16),
                  Expected(Country(2), 32, 16,
                           {{&StandardArtwork().picUnit[static_cast<std::size_t>(i)], 0, 0}}))
            << builds[i];
    }
}

TEST_F(CellDrawing, AreaNumbersAreCentredInTheFirstTwentyFourPixels) {
    const auto& digits = StandardArtwork().picDigit;
    struct Case {
        int area, column;
        std::initializer_list<Placed> images;
    };
    const Case cases[] = {
        {7, 5, {{&digits[7], 8, 0}}},
        {42, 9, {{&digits[4], 4, 0}, {&digits[2], 12, 0}}},
        {173, 13, {{&digits[1], 0, 0}, {&digits[7], 8, 0}, {&digits[3], 16, 0}}},
    };
    for (const Case& c : cases) {
        Place(c.area, c.column, 5);
        Area(c.area, 2);
        session.hexes.at(c.column, 5).ShowNumber = -1;
    }
    Load(26, true);
    for (const Case& c : cases) {
        const QPoint band = Band(c.column, 5);
        EXPECT_EQ(Region(band.x(), band.y() - 16, 32, 16), Expected(Country(2), 32, 16, c.images))
            << c.area;
    }
}

TEST_F(CellDrawing, SupplyMarkersTakeTheFreePlace) {
    const auto& art = StandardArtwork();
    // No unit: the wide marker in the unit line. A home area wears marker 2.
    Place(10, 5, 5, true);
    Area(10, 2).Supply = 1;
    session.hexes.at(5, 5).ShowSupply = -1;
    Place(11, 9, 5, true);
    Area(11, 2).Supply = 1;
    session.game.area(11).HomeFlag = -1;
    session.hexes.at(9, 5).ShowSupply = -1;
    // A unit and the number: the narrow marker beside the number.
    Place(12, 13, 5, true);
    Area(12, 2).Supply = 2;
    session.game.area(12).UnitType = kArmy;
    session.game.area(12).UnitOwner = 2;
    session.hexes.at(13, 5).ShowSupply = -1;
    session.hexes.at(13, 5).ShowNumber = -1;
    // A unit without the number: the wide marker in the label line.
    Place(13, 17, 5, true);
    Area(13, 2).Supply = 9;  // beyond three: the largest marker
    session.game.area(13).UnitType = kArmy;
    session.game.area(13).UnitOwner = 2;
    session.hexes.at(17, 5).ShowSupply = -1;
    Load(26, true);
    auto label = [&](int column) {
        const QPoint b = Band(column, 5);
        return Region(b.x(), b.y() - 16, 32, 16);
    };
    auto unitLine = [&](int column) {
        const QPoint b = Band(column, 5);
        return Region(b.x(), b.y(), 32, 16);
    };
    const QRgb fill = Country(2);
    EXPECT_EQ(label(5), Expected(fill, 32, 16, {}));
    EXPECT_EQ(unitLine(5), Expected(fill, 32, 16, {{&art.picSupplyWide[0], 0, 0}}));
    EXPECT_EQ(unitLine(9), Expected(fill, 32, 16, {{&art.picSupplyWide[2], 0, 0}}));
    EXPECT_EQ(label(13), Expected(fill, 32, 16,
                                  {{&art.picDigit[1], 4, 0},
                                   {&art.picDigit[2], 12, 0},
                                   {&art.picSupplyNarrow[1], 24, 0}}));
    EXPECT_EQ(label(17), Expected(fill, 32, 16, {{&art.picSupplyWide[2], 0, 0}}));
    EXPECT_EQ(unitLine(17), Expected(fill, 32, 16, {{&art.picUnit[0], 0, 0}}));
}

struct SizeCase {
    std::int16_t size;
    bool hexagons;
    bool units;
    bool labels;
};

class SizeClasses : public BoardFixture, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeClasses, DecideWhatACellShows) {
    const SizeCase& c = GetParam();
    // The cells around belong to the same area, so only what is drawn stands out.
    for (int column = 3; column <= 7; ++column) {
        for (int row = 3; row <= 7; ++row) Place(10, column, row);
    }
    Place(10, 5, 5, true);
    Area(10, 2).UnitType = kArmy;
    session.game.area(10).UnitOwner = 2;
    session.game.area(10).Supply = 1;
    session.hexes.at(5, 5).ShowNumber = -1;
    session.hexes.at(5, 5).ShowSupply = -1;
    Load(c.size, c.hexagons);
    const auto o = Outline(5, 5);
    const int middle = o[2].y();
    auto anythingBut = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = o[5].x() + 1; x < o[2].x(); ++x) {
                if (At({x, y}) != Country(2)) return true;
            }
        }
        return false;
    };
    if (c.units && !c.labels) {
        // Small cells: the unit centred on the middle line.
        EXPECT_TRUE(anythingBut(middle - 8, middle + 8));
        EXPECT_FALSE(anythingBut(o[0].y() + 1, middle - 8));
        EXPECT_FALSE(anythingBut(middle + 8, o[3].y()));
    } else {
        EXPECT_EQ(anythingBut(middle, middle + 16), c.units);
        EXPECT_EQ(anythingBut(middle - 16, middle), c.labels);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeClasses,
    ::testing::Values(SizeCase{20, true, false, false}, SizeCase{21, true, false, false},
                      SizeCase{22, true, true, false}, SizeCase{25, true, true, false},
                      SizeCase{26, true, true, true}, SizeCase{30, true, true, true},
                      SizeCase{32, false, false, false}, SizeCase{33, false, false, false},
                      SizeCase{34, false, true, true}, SizeCase{36, false, true, true}));

TEST_F(CellDrawing, BadUnitAndSupplyValuesDrawNothingOutOfPlace) {
    Place(10, 5, 5, true);
    Area(10, 2).UnitType = 9;
    session.game.area(10).UnitOwner = 40;
    session.game.area(10).Command = "AX";
    Place(11, 9, 5, true);
    Area(11, 99).UnitType = kSquadron;  // an owner out of range shows as neutral
    session.game.area(11).UnitOwner = 2;
    session.game.area(11).Command = "DU";  // nothing below a squadron: the whole image
    session.picture.UnitDisplay = 4;
    Load(26, true);
    EXPECT_EQ(Region(Band(5, 5).x(), Band(5, 5).y(), 32, 16), Expected(Country(2), 32, 16, {}));
    EXPECT_EQ(Region(Band(9, 5).x(), Band(9, 5).y(), 32, 16),
              Expected(Country(2), 32, 16, {{&StandardArtwork().picUnit[7], 0, 0}}));
    const auto o = Outline(9, 5);
    EXPECT_EQ(At(QPoint(o[0].x() + 2, o[0].y() + 2)), Country(0));
}

TEST_F(CellDrawing, TheWestCornersOfColumnOneShowAtTheEastEdge) {
    Place(10, 1, 5);
    Area(10, 2);
    Place(11, 70, 5);
    Area(11, 3);
    Load(26, true);
    const int width = session.geometry.MapWidth();
    const auto o = Outline(1, 5);
    EXPECT_LT(o[5].x(), 0);
    EXPECT_EQ(At(QPoint(width - 2, o[5].y())), Country(2));
    EXPECT_EQ(At(QPoint(width + o[5].x() + 2, o[5].y())), Country(2));
}

TEST_F(CellDrawing, RedrawWholeMapShowsTheBusyPointer) {
    Load(26, true);
    EXPECT_EQ(port.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(Board().size(),
              QSize(session.geometry.MapWidth(), session.geometry.MapPixelHeight()));
    // The half row above the first row of a shifted column stays white.
    EXPECT_EQ(At(QPoint(Outline(2, 1)[0].x() + 4, 1)), 0xFFFFFFFFu);
}

TEST_F(CellDrawing, RedrawAreaTouchesOnlyThatArea) {
    Place(10, 5, 5);
    Place(10, 5, 6);
    Area(10, 2);
    Place(11, 6, 5);
    Area(11, 2);
    Load(26, true);
    Area(10, 4);
    Area(11, 4);
    RedrawArea(session, 10);
    auto centre = [&](int column, int row) {
        const auto o = Outline(column, row);
        return QPoint((o[0].x() + o[1].x()) / 2, o[2].y());
    };
    EXPECT_EQ(At(centre(5, 5)), Country(4));
    EXPECT_EQ(At(centre(5, 6)), Country(4));
    EXPECT_EQ(At(centre(6, 5)), Country(2));
    RedrawArea(session, 0);  // not an area: nothing
    RedrawArea(session, 300);
    EXPECT_TRUE(port.busyCalls.size() == 2);  // no busy pointer for one area
}

TEST_F(CellDrawing, NothingIsDrawnBeforeThePictureIsLoaded) {
    RedrawArea(session, 10);
    DrawCell(session, 1, 1, 0, 0);
    RedrawWholeMap(session);
    EXPECT_TRUE(Board().isNull());
    EXPECT_TRUE(port.busyCalls.empty());
}

}  // namespace
}  // namespace qm
