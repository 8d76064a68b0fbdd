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
    // 2 x (Int(22.516) + 1) high; columns 39 apart.
    EXPECT_EQ(std::make_tuple(g.CellHeight, g.MapPixelHeight(), g.column(70).LeftTop,
                              g.column(1).LeftPoint),
              std::make_tuple(46, 31 * 46 + 23, 69 * 39, -13));
    // A shifted cell drawn at an offset.
    EXPECT_EQ(CellOutline(g, 2, 1, 100, 10),
              (std::array<QPoint, 6>{QPoint(139, 33), QPoint(165, 33), QPoint(178, 56),
                                     QPoint(165, 79), QPoint(139, 79), QPoint(126, 56)}));
}

TEST(GeometryTest, OddHexSizeRoundsHalvesToEvenAndSquaresArePlain) {
    Geometry g = Built(7, -1);
    // x0 = (c - 1) x 10.5: column 2 starts at 10.5 -> 10, column 4 at 31.5 -> 32.
    EXPECT_EQ(std::make_tuple(g.CellHeight, g.MapWidth(), g.column(2).LeftTop, g.column(4).LeftTop,
                              g.column(2).RightPoint, g.column(4).RightPoint, g.column(1).LeftPoint,
                              g.column(2).LeftPoint),
              std::make_tuple(14, 735, 10, 32, 20, 42, -4, 6));
    g = Built(9, 0);
    EXPECT_EQ(std::make_tuple(g.CellHeight, g.MapWidth(), g.MapPixelHeight()),
              std::make_tuple(9, 630, 284));
    EXPECT_EQ(CellOutline(g, 2, 1),  // 9 \ 2 down
              (std::array<QPoint, 6>{QPoint(9, 4), QPoint(18, 4), QPoint(18, 8), QPoint(18, 13),
                                     QPoint(9, 13), QPoint(9, 8)}));
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
    for (int c = 1; c <= kColumns; ++c)
        for (int r = 1; r <= kRows; ++r)
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

TEST(GeometryTest, NoNeighbourBeyondTheNorthAndSouthEdges) {
    // Odd columns' upper sides reach row 0; a shifted column's reach row 1.
    for (const auto [c, r, side] :
         {std::array{5, 1, 1}, {5, 1, 2}, {5, 1, 6}, {6, 31, 3}, {6, 31, 4}, {0, 5, 1}, {5, 5, 7}})
        EXPECT_FALSE(NeighbourCell(c, r, side)) << c << "," << r << " side " << side;
    EXPECT_EQ(NeighbourCell(6, 1, 2), (HexPosition{7, 1}));
    EXPECT_EQ(NeighbourCell(70, 4, 2), (HexPosition{1, 4}));
    EXPECT_EQ(NeighbourCell(1, 4, 6), (HexPosition{70, 3}));
}

}  // namespace
}  // namespace qm
