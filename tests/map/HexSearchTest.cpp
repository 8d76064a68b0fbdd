#include "map/HexSearch.h"

#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/Geometry.h"

#include "BoardFixture.h"

#include <cmath>

namespace qm {
namespace {

struct ViewCase {
    std::int16_t hexSize, hexDisplay;
};

// The board's geometry at a size and mode; the display carries the scroll origin.
struct View {
    View(std::int16_t size, std::int16_t hexDisplay) {
        BuildGeometryTables(geometry, size, hexDisplay);
    }
    Geometry geometry;
    DisplaySettings display;
};

class HexAtPointTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(HexAtPointTest, CentreOfEveryCellMapsBackToIt) {
    View view(GetParam().hexSize, GetParam().hexDisplay);
    const int width = view.geometry.MapWidth();
    // Unscrolled, scrolled a little, and scrolled so far that most of the board
    // is seen through the wrap.
    for (const auto& [mapX, mapY] :
         {std::pair{0, 0}, {-37, -23}, {-width / 2 - 5, 0}, {-(width - 11), -23}}) {
        view.display.MapX = static_cast<std::int16_t>(mapX);
        view.display.MapY = static_cast<std::int16_t>(mapY);
        for (std::int16_t c = 1; c <= kColumns; ++c)
            for (std::int16_t r = 1; r <= kRows; ++r) {
                const auto p = CellOutline(view.geometry, c, r);
                double x = (p[0].x() + p[1].x()) / 2.0 + mapX;
                if (x < 0) x += width;  // the copy east of the board's end
                const double y = (p[0].y() + p[4].y()) / 2.0 + mapY;
                ASSERT_EQ(HexAtPoint(view.geometry, view.display, static_cast<float>(x),
                                     static_cast<float>(y)),
                          (HexPosition{c, r}))
                    << "size " << GetParam().hexSize << " MapX " << mapX << " MapY " << mapY;
            }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sizes, HexAtPointTest, ::testing::Values(
    ViewCase{6, -1}, ViewCase{30, -1}, ViewCase{6, 0}, ViewCase{36, 0}),
    [](const auto& i) { return std::string(i.param.hexDisplay ? "Hexagons" : "Squares") + std::to_string(i.param.hexSize); });
// clang-format on

TEST(HexAtPointCases, AtTheEdgesOfCellsAndOfTheBoard) {
    View view(26, -1);
    // Column 1 row 1: top edge 0..26, east corner at x 39, y 23; column 2's
    // first row begins half a row down.
    // clang-format off
    const struct {
        float x, y;
        std::int16_t mapX, mapY, column, row;
    } cases[] = {
        {2730 + 3, 20, 0, 0, 1, 1},                      // past the east end
        {52, 5, 0, 0, 2, 31},                            // the top half row of a shifted column
        {52, 30, 0, 0, 2, 1}, {28, 22, 0, 0, 1, 1},      // just inside the slanted side
        {37, 2, 0, 0, 2, 31}, {37, 44, 0, 0, 2, 1},      // beyond the right corners
        {69 * 39 + 37, 23 + 44, 0, 0, 1, 2},             // beyond column 70's lower right
        {69 * 39 + 37, 69 + 2, 0, 0, 1, 2},              // and its upper right
        {13, 23 + 23, -39, -46, 2, 2},                   // scrolled: column 2, row 2 at the corner
        {-30, 23, -39, -46, 1, 2}};                      // left of the view: the board's east end
    // clang-format on
    for (const auto& c : cases) {
        view.display.MapX = c.mapX, view.display.MapY = c.mapY;
        EXPECT_EQ(HexAtPoint(view.geometry, view.display, c.x, c.y), (HexPosition{c.column, c.row}))
            << c.x << "," << c.y;
    }
}

using FindHexOfAreaTest = test::BoardFixture;

TEST_F(FindHexOfAreaTest, FindsTheFirstUnitCellColumnByColumn) {
    Place(17, 5, 3), Place(17, 5, 8, true), Place(17, 6, 2, true), Place(15, 4, 10);
    EXPECT_EQ(FindHexOfArea(session.game, session.map.hexes, 17), (HexPosition{5, 8}));
    // No unit cell, no cells, no area: nothing.
    for (const std::int16_t area : {15, 18, 0, 274})
        EXPECT_FALSE(FindHexOfArea(session.game, session.map.hexes, area));
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

// A dense screen: every picture twice the pixels each way, and a click finds
// the cell it finds on a plain screen wherever that cell is not in doubt.
class DenseScreenTest : public test::BoardFixture,
                        public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(DenseScreenTest, TheBoardHasTwiceThePixelsAndClicksLandAlike) {
    const auto [size, hexagons] = GetParam();
    for (int column = 1; column <= kColumns; ++column)
        for (int row = 1; row <= kRows; ++row) Place((column * 7 + row) % 200 + 1, column, row);
    Load(static_cast<std::int16_t>(size), hexagons);
    const QSize plain = Board().size();
    const Geometry single = session.map.geometry;
    session.map.display.MapX = -31, session.map.display.MapY = -17;
    const DisplaySettings singleDisplay = session.map.display;
    SetMapScale(session.map, 2);
    EXPECT_EQ(session.map.display.MapX, -62);
    EXPECT_EQ(session.map.display.MapY, -34);
    LoadMapPicture(session.game, session.map, session.port);
    EXPECT_EQ(Board().width(), 2 * plain.width());
    EXPECT_EQ(Board().height(), static_cast<int>(std::ceil(2 * single.MapHeight())));
    EXPECT_EQ(Board().devicePixelRatio(), 2.0);
    // Drawn again over an old picture, in two bands at once, nothing of it is left.
    session.map.picture.picMap.fill(0xFF123456);
    RedrawWholeMap(session.game, session.map, session.port);
    int left = 0;
    for (int y = 0; y < Board().height(); ++y)
        for (int x = 0; x < Board().width(); ++x) left += At({x, y}) == 0xFF123456;
    EXPECT_EQ(left, 0);
    auto cell = [](const Geometry& g, const DisplaySettings& d, int x, int y) {
        return HexAtPoint(g, d, static_cast<float>(x), static_cast<float>(y));
    };
    int compared = 0, sampled = 0;
    for (int y = 1; y < plain.height() - 1; y += 3)
        for (int x = 1; x < plain.width() - 1; x += 3) {
            ++sampled;
            const auto here = cell(single, singleDisplay, x, y);
            bool doubt = false;  // a neighbouring pixel lies in another cell
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                doubt = doubt || cell(single, singleDisplay, x + dx, y + dy) != here;
            if (doubt) continue;
            ++compared;
            ASSERT_EQ(cell(session.map.geometry, session.map.display, 2 * x, 2 * y), here)
                << x << "," << y;
        }
    EXPECT_GT(compared, sampled / 3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DenseScreenTest,
                         ::testing::Values(std::pair{30, true}, std::pair{13, true},
                                           std::pair{36, false}, std::pair{7, false}));

}  // namespace
}  // namespace qm
