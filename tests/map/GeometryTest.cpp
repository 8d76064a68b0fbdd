#include "map/Geometry.h"

#include "map/HexPosition.h"
#include "state/Session.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

TEST(GeometryTest, HexModeValuesAtTheDefaultSize) {
    Geometry g;
    BuildGeometryTables(g, 26, -1);
    EXPECT_EQ(g.CellHeight, 46);  // 2 x (Int(22.516) + 1)
    EXPECT_FLOAT_EQ(g.ColumnPitch, 1.5f);
    EXPECT_EQ(g.MapWidth(), 2730);
    EXPECT_DOUBLE_EQ(g.MapHeight(), 31 * 46 + 23);
    EXPECT_EQ(g.column(1).LeftTop, 0);
    EXPECT_EQ(g.column(1).RightTop, 26);
    EXPECT_EQ(g.column(1).RightPoint, 39);
    EXPECT_EQ(g.column(1).LeftPoint, -13);
    EXPECT_EQ(g.column(70).LeftTop, 69 * 39);
    EXPECT_EQ(g.row(2).Top, 46);
    EXPECT_EQ(g.row(2).Middle, 69);
    EXPECT_EQ(g.row(2).Bottom, 92);
    EXPECT_EQ(g.row(2).ShiftedTop, 69);
    EXPECT_EQ(g.row(2).ShiftedMiddle, 92);
    EXPECT_EQ(g.row(2).ShiftedBottom, 115);
}

TEST(GeometryTest, OddHexSizeRoundsHalvesToEven) {
    Geometry g;
    BuildGeometryTables(g, 7, -1);
    EXPECT_EQ(g.CellHeight, 14);  // 2 x (Int(6.062) + 1)
    EXPECT_EQ(g.MapWidth(), 735);
    // x0 = (c - 1) x 10.5: column 2 starts at 10.5 -> 10, column 4 at 31.5 -> 32.
    EXPECT_EQ(g.column(2).LeftTop, 10);
    EXPECT_EQ(g.column(4).LeftTop, 32);
    EXPECT_EQ(g.column(2).RightPoint, 20);  // 10 + 10.5 = 20.5 -> 20
    EXPECT_EQ(g.column(4).RightPoint, 42);  // 32 + 10.5 = 42.5 -> 42
    EXPECT_EQ(g.column(1).LeftPoint, -4);   // -3.5 -> -4
    EXPECT_EQ(g.column(2).LeftPoint, 6);    // 6.5 -> 6
}

TEST(GeometryTest, SquareModeIsPlainSquares) {
    Geometry g;
    BuildGeometryTables(g, 9, 0);
    EXPECT_EQ(g.CellHeight, 9);
    EXPECT_EQ(g.MapWidth(), 630);
    EXPECT_DOUBLE_EQ(g.MapHeight(), 283.5);
    EXPECT_EQ(g.MapPixelHeight(), 284);
    EXPECT_EQ(g.column(3).LeftPoint, g.column(3).LeftTop);
    EXPECT_EQ(g.column(3).RightPoint, g.column(3).RightTop);
    EXPECT_EQ(g.row(1).ShiftedTop, 4);  // 9 \ 2
    EXPECT_EQ(g.row(1).ShiftedMiddle, 8);
    EXPECT_EQ(g.row(1).ShiftedBottom, 13);
}

TEST(GeometryTest, SessionBuildFollowsTheDisplaySettings) {
    test::FakePort port;
    Session session{port};
    session.display.HexSize = 30;
    session.display.HexDisplay = -1;
    BuildGeometryTables(session);
    EXPECT_EQ(session.geometry.CellHeight, 2 * (25 + 1));
    EXPECT_EQ(session.geometry.MapWidth(), 3150);
    session.display.HexDisplay = 0;
    BuildGeometryTables(session);
    EXPECT_EQ(session.geometry.CellHeight, 30);
    EXPECT_EQ(session.geometry.MapWidth(), 2100);
}

TEST(GeometryTest, OutlineOfAShiftedCellAtAnOffset) {
    Geometry g;
    BuildGeometryTables(g, 26, -1);
    const auto p = CellOutline(g, 2, 1, 100, 10);
    EXPECT_EQ(p[0], QPoint(139, 33));
    EXPECT_EQ(p[1], QPoint(165, 33));
    EXPECT_EQ(p[2], QPoint(178, 56));
    EXPECT_EQ(p[3], QPoint(165, 79));
    EXPECT_EQ(p[4], QPoint(139, 79));
    EXPECT_EQ(p[5], QPoint(126, 56));
}

// Every side of every cell leads to a cell whose opposite side leads back, and
// the shared side is the same segment in the drawing.
TEST(GeometryTest, NeighboursAreMutualAndShareTheirSide) {
    Geometry g;
    BuildGeometryTables(g, 26, -1);
    const int width = g.MapWidth();
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(c, r, side);
                if (!next) continue;
                const auto back = NeighbourCell(next->Column, next->Row, OppositeSide(side));
                ASSERT_TRUE(back) << c << "," << r << " side " << side;
                EXPECT_EQ(*back, (HexPosition{static_cast<std::int16_t>(c),
                                              static_cast<std::int16_t>(r)}));
                const auto mine = CellOutline(g, c, r);
                // Across the wrap the neighbour is drawn one board width away.
                int dx = 0;
                if (c == kColumns && next->Column == 1) dx = width;
                if (c == 1 && next->Column == kColumns) dx = -width;
                const auto theirs = CellOutline(g, next->Column, next->Row, dx);
                const int o = OppositeSide(side);
                const std::set<std::pair<int, int>> a = {{mine[side - 1].x(), mine[side - 1].y()},
                                                         {mine[side % 6].x(), mine[side % 6].y()}};
                const std::set<std::pair<int, int>> b = {{theirs[o - 1].x(), theirs[o - 1].y()},
                                                         {theirs[o % 6].x(), theirs[o % 6].y()}};
                EXPECT_EQ(a, b) << c << "," << r << " side " << side;
            }
        }
    }
}

TEST(GeometryTest, NoNeighbourBeyondTheNorthAndSouthEdges) {
    EXPECT_FALSE(NeighbourCell(5, 1, 1));
    EXPECT_FALSE(NeighbourCell(5, 1, 2));  // odd column: upper sides reach row 0
    EXPECT_FALSE(NeighbourCell(5, 1, 6));
    EXPECT_TRUE(NeighbourCell(6, 1, 2));  // a shifted column reaches row 1
    EXPECT_FALSE(NeighbourCell(6, 31, 3));
    EXPECT_FALSE(NeighbourCell(6, 31, 4));
    EXPECT_FALSE(NeighbourCell(0, 5, 1));
    EXPECT_FALSE(NeighbourCell(5, 5, 7));
    EXPECT_EQ(NeighbourCell(70, 4, 2), (HexPosition{1, 4}));
    EXPECT_EQ(NeighbourCell(1, 4, 6), (HexPosition{70, 3}));
}

}  // namespace
}  // namespace qm
