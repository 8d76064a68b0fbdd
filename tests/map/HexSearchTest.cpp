#include "map/HexSearch.h"

#include "map/Geometry.h"
#include "state/Session.h"
#include "support/FakePort.h"

#include <QPolygonF>

#include <gtest/gtest.h>

namespace qm {
namespace {

struct ViewCase {
    std::int16_t hexSize;
    std::int16_t hexDisplay;
};

void PrintTo(const ViewCase& view, std::ostream* out) {
    *out << (view.hexDisplay ? "hex " : "square ") << view.hexSize;
}

std::string CaseName(const ::testing::TestParamInfo<ViewCase>& info) {
    return (info.param.hexDisplay ? "Hex" : "Square") + std::to_string(info.param.hexSize);
}

class HexAtPointTest : public ::testing::TestWithParam<ViewCase> {
protected:
    void SetUp() override {
        session.display.HexSize = GetParam().hexSize;
        session.display.HexDisplay = GetParam().hexDisplay;
        BuildGeometryTables(session);
    }

    QPointF Centre(int column, int row) const {
        const auto p = CellOutline(session.geometry, column, row);
        return QPointF((p[0].x() + p[1].x()) / 2.0, (p[0].y() + p[4].y()) / 2.0);
    }

    test::FakePort port;
    Session session{port};
};

TEST_P(HexAtPointTest, CentreOfEveryCellMapsBackToIt) {
    const int width = session.geometry.MapWidth();
    // Unscrolled, scrolled a little, and scrolled so far that most of the board
    // is seen through the wrap.
    for (const int mapX : {0, -37, -width / 2 - 5, -(width - 11)}) {
        for (const int mapY : {0, -23}) {
            session.display.MapX = static_cast<std::int16_t>(mapX);
            session.display.MapY = static_cast<std::int16_t>(mapY);
            for (int c = 1; c <= kColumns; ++c) {
                for (int r = 1; r <= kRows; ++r) {
                    const QPointF centre = Centre(c, r);
                    double x = centre.x() + mapX;
                    if (x < 0) x += width;  // the copy east of the board's end
                    const auto found = HexAtPoint(session, static_cast<float>(x),
                                                  static_cast<float>(centre.y() + mapY));
                    ASSERT_TRUE(found);
                    ASSERT_EQ(*found, (HexPosition{static_cast<std::int16_t>(c),
                                                   static_cast<std::int16_t>(r)}))
                        << "cell " << c << "," << r << " MapX " << mapX << " MapY " << mapY;
                }
            }
        }
    }
}

// Every pixel of the first columns and of the wrap's seam lands in a cell whose
// drawn outline holds it, give or take the pixel on the line.
TEST_P(HexAtPointTest, EveryPixelLiesInTheCellFound) {
    const Geometry& g = session.geometry;
    const int width = g.MapWidth();
    const int pitch = static_cast<int>(g.Pitch()) + 1;
    for (const int firstX : {0, width - 2 * pitch}) {
        for (int x = firstX; x < firstX + 3 * pitch; ++x) {
            for (int y = g.CellHeight / 2; y < 5 * g.CellHeight; ++y) {
                const auto cell = HexAtPoint(session, static_cast<float>(x), static_cast<float>(y));
                ASSERT_TRUE(cell);
                const int px = x % width;
                const int dx = cell->Column == 1 && px >= width - pitch ? width : 0;
                QPolygonF outline;
                for (const QPoint& p : CellOutline(g, cell->Column, cell->Row, dx)) outline << p;
                bool near = false;
                for (int ox = -1; ox <= 1 && !near; ++ox)
                    for (int oy = -1; oy <= 1 && !near; ++oy)
                        near = outline.containsPoint(QPointF(px + ox, y + oy), Qt::OddEvenFill);
                ASSERT_TRUE(near) << "pixel " << x << "," << y << " gave " << cell->Column << ","
                                  << cell->Row;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, HexAtPointTest,
                         ::testing::Values(ViewCase{6, -1}, ViewCase{7, -1}, ViewCase{26, -1},
                                           ViewCase{27, -1}, ViewCase{30, -1}, ViewCase{6, 0},
                                           ViewCase{13, 0}, ViewCase{26, 0}, ViewCase{36, 0}),
                         CaseName);

class HexAtPointCases : public ::testing::Test {
protected:
    void SetUp() override {
        session.display.HexSize = 26;
        session.display.HexDisplay = -1;
        BuildGeometryTables(session);
    }
    test::FakePort port;
    Session session{port};
};

TEST_F(HexAtPointCases, PastTheEastEndIsColumnOne) {
    const float x = static_cast<float>(session.geometry.MapWidth() + 3);
    EXPECT_EQ(HexAtPoint(session, x, 20)->Column, 1);
    EXPECT_EQ(HexAtPoint(session, x, 20)->Row, 1);
}

TEST_F(HexAtPointCases, TopHalfRowOfAShiftedColumnIsRowThirtyOne) {
    // Column 2 starts at x 39; its first row begins half a row down, at y 23.
    EXPECT_EQ(HexAtPoint(session, 52, 5), (HexPosition{2, 31}));
    EXPECT_EQ(HexAtPoint(session, 52, 30), (HexPosition{2, 1}));
}

TEST_F(HexAtPointCases, SlantedSidesGoToTheNextColumn) {
    // Column 1 row 1: top edge 0..26, east corner at x 39, y 23.
    EXPECT_EQ(HexAtPoint(session, 28, 22), (HexPosition{1, 1}));  // just inside
    EXPECT_EQ(HexAtPoint(session, 37, 2), (HexPosition{2, 31}));  // beyond the upper right
    EXPECT_EQ(HexAtPoint(session, 37, 44), (HexPosition{2, 1}));  // beyond the lower right
    // Column 70 (shifted) at row 1: beyond its lower right lies column 1, row 2.
    const float east = static_cast<float>(69 * 39 + 37);
    EXPECT_EQ(HexAtPoint(session, east, 23 + 44), (HexPosition{1, 2}));
}

TEST_F(HexAtPointCases, ScrolledViewAndPointsOffThePicture) {
    session.display.MapX = -39;  // column 2 at the view's left edge
    session.display.MapY = -46;  // row 2 at the top
    EXPECT_EQ(HexAtPoint(session, 13, 23 + 23), (HexPosition{2, 2}));
    // Left of the view is the board's east end, wrapped.
    EXPECT_EQ(HexAtPoint(session, -30, 23), (HexPosition{1, 2}));
    EXPECT_TRUE(HexAtPoint(session, -1e30f, 1e30f));
    EXPECT_FALSE(HexAtPoint(session, std::numeric_limits<float>::quiet_NaN(), 0));
}

TEST_F(HexAtPointCases, NoCellBeforeTheGeometryIsBuilt) {
    test::FakePort otherPort;
    Session fresh{otherPort};
    EXPECT_FALSE(HexAtPoint(fresh, 10, 10));
}

class FindHexOfAreaTest : public ::testing::Test {
protected:
    void Place(int column, int row, std::int16_t area, bool unit) {
        HexCell& cell = session.hexes.at(column, row);
        cell.Area = area;
        cell.ShowUnit = unit ? -1 : 0;
        AreaRecord& box = session.game.area(area);
        box.MinCol = std::min<std::int16_t>(box.MinCol, static_cast<std::int16_t>(column));
        box.MaxCol = std::max<std::int16_t>(box.MaxCol, static_cast<std::int16_t>(column));
        box.MinRow = std::min<std::int16_t>(box.MinRow, static_cast<std::int16_t>(row));
        box.MaxRow = std::max<std::int16_t>(box.MaxRow, static_cast<std::int16_t>(row));
    }
    test::FakePort port;
    Session session{port};
};

TEST_F(FindHexOfAreaTest, FindsTheFirstUnitCellColumnByColumn) {
    Place(4, 9, 17, false);
    Place(5, 3, 17, false);
    Place(5, 8, 17, true);
    Place(6, 2, 17, true);
    EXPECT_EQ(FindHexOfArea(session, 17), (HexPosition{5, 8}));
}

TEST_F(FindHexOfAreaTest, NoCellIsSaidPlainly) {
    Place(4, 9, 17, false);
    EXPECT_FALSE(FindHexOfArea(session, 17));  // cells but no unit cell
    EXPECT_FALSE(FindHexOfArea(session, 18));  // no cells at all (box 999..0)
    EXPECT_FALSE(FindHexOfArea(session, 0));
    EXPECT_FALSE(FindHexOfArea(session, 274));
    EXPECT_FALSE(FindHexOfArea(session, -3));
}

TEST_F(FindHexOfAreaTest, ABoxReachingOffTheBoardIsCutToIt) {
    Place(70, 31, 20, true);
    AreaRecord& box = session.game.area(20);
    box.MinCol = -5;
    box.MaxCol = 999;
    box.MinRow = -1;
    box.MaxRow = 400;
    EXPECT_EQ(FindHexOfArea(session, 20), (HexPosition{70, 31}));
}

}  // namespace
}  // namespace qm
