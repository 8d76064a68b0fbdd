#include "map/Geometry.h"

#include "map/HexPosition.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

Geometry Built(std::int16_t size, std::int16_t hexDisplay) {
    Geometry g;
    BuildGeometryTables(g, size, hexDisplay);
    return g;
}

TEST(GeometryTest, HexModeAtTheDefaultSize) {
    const Geometry g = Built(26, -1);
    EXPECT_EQ(g.CellHeight, 46);  // 2 x (Int(22.516) + 1)
    EXPECT_EQ(g.MapWidth(), 2730);
    EXPECT_DOUBLE_EQ(g.MapHeight(), 31 * 46 + 23);
    const auto& c1 = g.column(1);
    EXPECT_EQ(std::tie(c1.LeftPoint, c1.LeftTop, c1.RightTop, c1.RightPoint),
              std::make_tuple(-13, 0, 26, 39));
    EXPECT_EQ(g.column(70).LeftTop, 69 * 39);
    const auto& r2 = g.row(2);
    EXPECT_EQ(std::tie(r2.Top, r2.Middle, r2.Bottom), std::make_tuple(46, 69, 92));
    EXPECT_EQ(std::tie(r2.ShiftedTop, r2.ShiftedMiddle, r2.ShiftedBottom),
              std::make_tuple(69, 92, 115));
    // A shifted cell drawn at an offset.
    EXPECT_EQ(CellOutline(g, 2, 1, 100, 10),
              (std::array<QPoint, 6>{QPoint(139, 33), QPoint(165, 33), QPoint(178, 56),
                                     QPoint(165, 79), QPoint(139, 79), QPoint(126, 56)}));
}

TEST(GeometryTest, OddHexSizeRoundsHalvesToEven) {
    const Geometry g = Built(7, -1);
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
    const Geometry g = Built(9, 0);
    EXPECT_EQ(g.CellHeight, 9);
    EXPECT_EQ(g.MapWidth(), 630);
    EXPECT_DOUBLE_EQ(g.MapHeight(), 283.5);
    EXPECT_EQ(g.MapPixelHeight(), 284);
    EXPECT_EQ(g.column(3).LeftPoint, g.column(3).LeftTop);
    EXPECT_EQ(g.column(3).RightPoint, g.column(3).RightTop);
    const auto& r1 = g.row(1);
    EXPECT_EQ(std::tie(r1.ShiftedTop, r1.ShiftedMiddle, r1.ShiftedBottom),
              std::make_tuple(4, 8, 13));  // 9 \ 2
}

// Every side of every cell leads to a cell whose opposite side leads back, and
// the shared side is the same segment in the drawing.
TEST(GeometryTest, NeighboursAreMutualAndShareTheirSide) {
    const Geometry g = Built(26, -1);
    const int width = g.MapWidth();
    auto side = [](const std::array<QPoint, 6>& p, int s) {
        return std::set<std::pair<int, int>>{{p[s - 1].x(), p[s - 1].y()},
                                             {p[s % 6].x(), p[s % 6].y()}};
    };
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            for (int s = 1; s <= kSides; ++s) {
                const auto next = NeighbourCell(c, r, s);
                if (!next) continue;
                const auto back = NeighbourCell(next->Column, next->Row, OppositeSide(s));
                ASSERT_TRUE(back) << c << "," << r << " side " << s;
                EXPECT_EQ(*back, (HexPosition{static_cast<std::int16_t>(c),
                                              static_cast<std::int16_t>(r)}));
                // Across the wrap the neighbour is drawn one board width away.
                const int dx = c == kColumns && next->Column == 1   ? width
                               : c == 1 && next->Column == kColumns ? -width
                                                                    : 0;
                EXPECT_EQ(side(CellOutline(g, c, r), s),
                          side(CellOutline(g, next->Column, next->Row, dx), OppositeSide(s)))
                    << c << "," << r << " side " << s;
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
