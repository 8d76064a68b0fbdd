#include "map/ResizeView.h"

#include "map/ColourRedraw.h"
#include "map/UnitDisplay.h"

#include "BoardFixture.h"

#include <cmath>

namespace qm {
namespace {

// A view smaller than the board at every size, so nothing but the view's centre moves.
constexpr QSize kRoom(200, 120);

class ResizeViewTest : public test::BoardFixture {
protected:
    void LoadCentred(std::int16_t size, bool hexagons) {
        Load(size, hexagons);
        SetViewSize(session.map, kRoom.width(), kRoom.height());
        // The centre near the board's east edge, half way down: the wrap is in play.
        DisplaySettings& d = session.map.display;
        d.MapX = static_cast<std::int16_t>(-(session.map.geometry.MapWidth() - 50));
        d.MapY = static_cast<std::int16_t>(60 - session.map.geometry.MapPixelHeight() / 2);
        before = CentrePoint();
    }
    // The board point under the view's centre, as fractions of the board.
    QPointF CentrePoint() const {
        const Geometry& g = session.map.geometry;
        const QPointF at = ViewCentre(session.map);
        const double x = std::fmod(at.x() - session.map.display.MapX, g.MapWidth()) / g.MapWidth();
        return {x, (at.y() - session.map.display.MapY) / (kRows * g.CellHeight)};
    }
    void ExpectCentreKept() const {
        const Geometry& g = session.map.geometry;
        const QPointF after = CentrePoint();
        EXPECT_NEAR(after.x() * g.MapWidth(), before.x() * g.MapWidth(), 1.0);
        EXPECT_NEAR(after.y() * kRows * g.CellHeight, before.y() * kRows * g.CellHeight, 1.0);
        EXPECT_GT(session.map.display.MapX, -g.MapWidth());
        EXPECT_LE(session.map.display.MapX, 0);
        EXPECT_EQ(Board().size(), QSize(g.MapWidth(), g.MapPixelHeight()));
    }
    QPointF before;
};

struct Toggle {
    bool hexagons;
    std::int16_t from, to, cellHeight;
};

class ToggleTest : public ResizeViewTest, public ::testing::WithParamInterface<Toggle> {};

TEST_P(ToggleTest, NewSizeAndTheCentreKept) {
    const Toggle t = GetParam();
    LoadCentred(t.from, t.hexagons);
    ToggleHexDisplay(session.game, session.map, port, kRoom);
    EXPECT_EQ(session.map.display.HexDisplay, t.hexagons ? 0 : -1);
    EXPECT_EQ(session.map.display.HexSize, t.to);
    EXPECT_EQ(session.map.geometry.CellHeight, t.cellHeight);
    ExpectCentreKept();
}

INSTANTIATE_TEST_SUITE_P(Sizes, ToggleTest,
                         ::testing::Values(Toggle{false, 26, 20, 36}, Toggle{true, 20, 26, 26},
                                           Toggle{false, 36, 28, 50}, Toggle{true, 30, 36, 36},
                                           Toggle{false, 6, 6, 12}, Toggle{true, 6, 8, 8}),
                         [](const auto& info) {
                             return std::string(info.param.hexagons ? "Hex" : "Square") +
                                    std::to_string(info.param.from);
                         });

class ZoomTest : public ResizeViewTest,
                 public ::testing::WithParamInterface<std::tuple<bool, int>> {};

TEST_P(ZoomTest, AtEitherEndTheCentreIsKept) {
    const auto [hexagons, size] = GetParam();
    LoadCentred(20, hexagons);
    EXPECT_TRUE(ApplyZoom(session.game, session.map, port, size, kRoom));
    EXPECT_EQ(session.map.display.HexSize, size);
    ExpectCentreKept();
}

INSTANTIATE_TEST_SUITE_P(Ends, ZoomTest,
                         ::testing::Values(std::tuple{true, 6}, std::tuple{true, 30},
                                           std::tuple{false, 6}, std::tuple{false, 36},
                                           std::tuple{false, 27}),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Hex" : "Square") +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST_F(ResizeViewTest, ZoomToTheSameSizeDoesNothingAndAPointerPointStaysUnderThePointer) {
    LoadCentred(20, true);
    const int changes = port.viewChanges;
    EXPECT_FALSE(ApplyZoom(session.game, session.map, port, 20, kRoom));
    EXPECT_EQ(port.viewChanges, changes);
    const QPointF pointer(30, 90);
    const BoardPoint under = MeasureBoardPoint(session.map, pointer);
    EXPECT_TRUE(ZoomKeepingPoint(session.game, session.map, port, 28, pointer, kRoom));
    const BoardPoint after = MeasureBoardPoint(session.map, pointer);
    const double width = 2.0 * session.map.geometry.MapWidth();
    EXPECT_NEAR(std::remainder((after.fx - under.fx) * width, width / 2), 0.0, 1.0);
    EXPECT_NEAR((after.fy - under.fy) * kRows * session.map.geometry.CellHeight, 0.0, 1.0);
    EXPECT_EQ(ZoomSizes(-1).back(), 30);
    EXPECT_EQ(ZoomSizes(0).size(), 16u);
}

TEST_F(ResizeViewTest, AColourChangeRedrawsOnlyTheCellsItFillsABorderChangeAll) {
    Place(1, 5, 5, false, 2);
    Place(2, 9, 5, false, 3);
    Place(3, 1, 7, false, 2);
    Load(20, true);
    const DisplaySettings before = session.map.display;
    auto mark = [&](int column, int row) {
        session.map.picture.picMap.setPixel(Centre(column, row), 0xFF123456u);
    };
    for (const auto& cell : {QPoint(5, 5), QPoint(9, 5)}) mark(cell.x(), cell.y());
    session.map.display.CountryColours[2] = 0x00AA00;
    RedrawChangedColours(session.game, session.map, port, before);
    EXPECT_EQ(At(Centre(5, 5)), Country(2));
    EXPECT_EQ(At(Centre(9, 5)), 0xFF123456u);  // another player's colour: untouched
    // Column 1's east-edge copy follows its owner's colour too.
    const QPoint copy = Outline(1, 7)[5] + QPoint(session.map.geometry.MapWidth(), 0);
    EXPECT_EQ(At(copy), Country(2));

    const DisplaySettings again = session.map.display;
    session.map.display.BorderColour = 0x0000FF;
    RedrawChangedColours(session.game, session.map, port, again);
    EXPECT_EQ(At(Centre(9, 5)), Country(3));
}

TEST_F(ResizeViewTest, UnitDisplaySwitchesTheDrawnUnitOnceOnly) {
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
