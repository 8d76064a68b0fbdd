#include "map/ResizeView.h"

#include "map/CellDrawing.h"
#include "map/ColourRedraw.h"
#include "map/UnitDisplay.h"

#include "BoardFixture.h"

#include <cmath>

namespace qm {
namespace {

// A view smaller than the board at every size, so nothing but the view's centre moves.
constexpr QSize kRoom(200, 120);

struct Change {
    const char* name;
    bool toggle, hexagons;
    std::int16_t from, to, cellHeight;  // for a zoom, `to` is the bar's position
};

class ResizeViewTest : public test::BoardFixture, public ::testing::WithParamInterface<Change> {
protected:
    // The board point under the view's centre, in pixels of the board.
    QPointF UnderCentre() const {
        const Geometry& g = session.map.geometry;
        const QPointF at = ViewCentre(session.map);
        return {std::fmod(at.x() - session.map.display.MapX, g.MapWidth()),
                at.y() - session.map.display.MapY};
    }
};

TEST_P(ResizeViewTest, NewSizeAndTheBoardPointUnderTheCentreKept) {
    const Change c = GetParam();
    Load(c.from, c.hexagons);
    SetViewSize(session.map, kRoom.width(), kRoom.height());
    // The centre near the board's east edge, half way down: the wrap is in play.
    DisplaySettings& d = session.map.display;
    d.MapX = static_cast<std::int16_t>(-(session.map.geometry.MapWidth() - 50));
    d.MapY = static_cast<std::int16_t>(60 - session.map.geometry.MapPixelHeight() / 2);
    const QPointF before = UnderCentre();
    const double width = session.map.geometry.MapWidth(), height = session.map.geometry.CellHeight;
    if (c.toggle)
        ToggleHexDisplay(session.game, session.map, port, kRoom);
    else
        EXPECT_TRUE(ApplyZoom(session.game, session.map, port, c.to, kRoom));
    const Geometry& g = session.map.geometry;
    EXPECT_EQ(d.HexDisplay != 0, c.hexagons != c.toggle);
    EXPECT_EQ(std::pair(d.HexSize, g.CellHeight), std::pair(c.to, c.cellHeight));
    EXPECT_NEAR(UnderCentre().x(), before.x() * g.MapWidth() / width, 1.0);
    EXPECT_NEAR(UnderCentre().y(), before.y() * g.CellHeight / height, 1.0);
    EXPECT_TRUE(d.MapX > -g.MapWidth() && d.MapX <= 0) << d.MapX;
    EXPECT_EQ(Board().size(), QSize(g.MapWidth(), g.MapPixelHeight()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Changes, ResizeViewTest, ::testing::Values(
    Change{"SquareToHex26", true, false, 26, 20, 36}, Change{"HexToSquare20", true, true, 20, 26, 26},
    Change{"SquareToHex6", true, false, 6, 6, 12}, Change{"HexToSquare6", true, true, 6, 8, 8},
    Change{"ZoomHexTo30", false, true, 20, 30, 52}, Change{"ZoomSquareTo6", false, false, 20, 6, 6},
    Change{"ZoomSquareToOdd27", false, false, 20, 27, 27}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using ResizeView = test::BoardFixture;

TEST_F(ResizeView, ZoomToTheSameSizeDoesNothingAndAPointerPointStaysUnderThePointer) {
    Load(20, true);
    SetViewSize(session.map, kRoom.width(), kRoom.height());
    EXPECT_FALSE(ApplyZoom(session.game, session.map, port, 20, kRoom));
    EXPECT_EQ(port.viewChanges, 0);
    const QPointF pointer(30, 90);
    const BoardPoint under = MeasureBoardPoint(session.map, pointer);
    EXPECT_TRUE(ZoomKeepingPoint(session.game, session.map, port, 28, pointer, kRoom));
    const BoardPoint after = MeasureBoardPoint(session.map, pointer);
    EXPECT_NEAR((after.fx - under.fx) * 2 * session.map.geometry.MapWidth(), 0.0, 1.0);
    EXPECT_NEAR((after.fy - under.fy) * kRows * session.map.geometry.CellHeight, 0.0, 1.0);
    EXPECT_EQ(ZoomSizes(0), (std::vector<std::int16_t>{6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28,
                                                       30, 32, 34, 36}));
}

TEST_F(ResizeView, ANewColourRedrawsThePlayersUnitsAtSeaAndAsGuestsANewNoGoItsCells) {
    AreaRecord& guest = Place(1, 5, 5, true, 3);
    guest.UnitType = kArmy, guest.UnitOwner = 2;
    AreaRecord& sea = Place(2, 9, 5, true, 0, kWater);
    sea.UnitType = kFleet, sea.UnitOwner = 2;
    Place(3, 13, 5, false, 0, kNoEntry);
    Load(26, true);
    const DisplaySettings before = session.map.display;
    session.map.display.CountryColours[2] = 0x00AA00;
    session.map.display.NoGoColour = 0x0000AA;
    RedrawChangedColours(session.game, session.map, port, before);
    const QImage boxes[] = {Box(5, 5), Box(9, 5)};
    EXPECT_EQ(At(Centre(13, 5)), ToRgb(0x0000AA));
    RedrawWholeMap(session.game, session.map, port);
    EXPECT_EQ(boxes[0], Box(5, 5));
    EXPECT_EQ(boxes[1], Box(9, 5));
}

// A colour change redraws the cells it fills, down to the last row and on the east-edge
// copy of column 1, but not another player's; a border change redraws all.
TEST_F(ResizeView, PartialRedrawsReachEveryRowDownToTheLast) {
    for (int row = 1; row <= kRows; ++row) Place(1, 1, row, false, 2), Place(1, 5, row, false, 2);
    Place(2, 9, 5, false, 3);
    Load(20, true);
    const int width = session.map.geometry.MapWidth();
    const auto expectEveryRow = [&](int player) {
        for (int row = 1; row <= kRows; ++row) {
            EXPECT_EQ(At(Centre(5, row)), Country(player)) << row;
            EXPECT_EQ(At(Outline(1, row)[5] + QPoint(width, 0)), Country(player)) << row;
        }
    };
    session.map.picture.picMap.setPixel(Centre(9, 5), 0xFF123456u);
    DisplaySettings before = session.map.display;
    session.map.display.CountryColours[2] = 0x00AA00;
    RedrawChangedColours(session.game, session.map, port, before);
    expectEveryRow(2);
    EXPECT_EQ(At(Centre(9, 5)), 0xFF123456u);
    before = session.map.display;
    session.map.display.BorderColour = 0x0000FF;
    RedrawChangedColours(session.game, session.map, port, before);
    EXPECT_EQ(At(Centre(9, 5)), Country(3));
    session.game.area(1).Owner = 4;
    RedrawArea(session.game, session.map, 1);
    expectEveryRow(4);
}

TEST_F(ResizeView, UnitDisplaySwitchesTheDrawnUnitOnlyOnAChange) {
    AreaRecord& area = Place(1, 5, 5, true, 1);
    area.UnitType = kArmy, area.UnitOwner = 1;
    Load(30, true);
    const QImage pictures = Box(5, 5);
    EXPECT_FALSE(SetUnitDisplay(session.game, session.map, port, kUnitPictures));
    EXPECT_TRUE(SetUnitDisplay(session.game, session.map, port, kUnitSymbols));
    EXPECT_NE(Box(5, 5), pictures);
    EXPECT_TRUE(SetUnitDisplay(session.game, session.map, port, kUnitPictures));
    EXPECT_EQ(Box(5, 5), pictures);
}

}  // namespace
}  // namespace qm
