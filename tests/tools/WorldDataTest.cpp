// Our shipped world, data/map-area.dat and data/map-hex.dat, checked for every
// property the program and the players rely on.

#include "map/HexPosition.h"
#include "map/HexSearch.h"
#include "map/MapDataFiles.h"
#include "state/Session.h"
#include "support/FakePort.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace qm {
namespace {

class WorldDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        port = new test::FakePort;
        session = new Session(*port);
        session->game.PlayerCount = 12;
        loaded = LoadMapData(*session, {QStringLiteral(ZEZ_DATA_DIR "/")});
    }
    static void TearDownTestSuite() {
        delete session;
        delete port;
    }
    void SetUp() override { ASSERT_TRUE(loaded) << port->messages.at(0).text.toStdString(); }

    static const AreaRecord& Area(int a) { return session->game.area(a); }
    static const HexCell& Cell(HexPosition p) { return session->hexes.at(p.Column, p.Row); }
    static std::vector<HexPosition> CellsOf(int area) {
        std::vector<HexPosition> cells;
        for (std::int16_t c = 1; c <= kColumns; ++c)
            for (std::int16_t r = 1; r <= kRows; ++r)
                if (session->hexes.at(c, r).Area == area) cells.push_back({c, r});
        return cells;
    }
    static std::vector<int> NeighbourList(int area) {
        std::vector<int> list;
        for (int slot = 1; slot <= 14; ++slot)
            if (Area(area).Neighbours[slot] != 0) list.push_back(Area(area).Neighbours[slot]);
        return list;
    }
    static bool IsWater(int area) { return Area(area).AreaType == kWater; }
    static bool IsLand(int area) {
        return Area(area).AreaType == kLand || Area(area).AreaType == kCoast;
    }
    // Steps from a cell to every cell of the board, through any cells.
    static std::vector<int> StepsFrom(HexPosition from) {
        std::vector<int> steps((kColumns + 1) * (kRows + 1), -1);
        auto at = [&](HexPosition p) -> int& { return steps[p.Column * (kRows + 1) + p.Row]; };
        std::vector<HexPosition> queue = {from};
        at(from) = 0;
        for (std::size_t i = 0; i < queue.size(); ++i) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(queue[i].Column, queue[i].Row, side);
                if (next && at(*next) < 0) {
                    at(*next) = at(queue[i]) + 1;
                    queue.push_back(*next);
                }
            }
        }
        return steps;
    }
    static QByteArray ReadData(const char* name) {
        QFile file(QStringLiteral(ZEZ_DATA_DIR "/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline test::FakePort* port = nullptr;
    static inline Session* session = nullptr;
    static inline bool loaded = false;
};

TEST_F(WorldDataTest, LoadsWithoutAWord) { EXPECT_TRUE(port->messages.empty()); }

TEST_F(WorldDataTest, FilesAreCrLfTextInTheWritersLayout) {
    const QByteArray area = ReadData(kAreaFileName);
    const QByteArray hex = ReadData(kHexFileName);
    EXPECT_EQ(area.count('\n'), 273 + 12);
    EXPECT_EQ(area.count("\r\n"), 273 + 12);
    EXPECT_FALSE(area.contains(' '));  // blanks in names are written "_"
    EXPECT_EQ(hex, HexDataText(session->hexes));
}

TEST_F(WorldDataTest, EveryCellBelongsToAnAreaAndEveryAreaIsOneCompactPiece) {
    for (std::int16_t c = 1; c <= kColumns; ++c)
        for (std::int16_t r = 1; r <= kRows; ++r)
            ASSERT_TRUE(IsAreaNumber(session->hexes.at(c, r).Area)) << c << "," << r;
    for (int a = 1; a <= kLastArea; ++a) {
        const auto cells = CellsOf(a);
        // No slivers: at least four cells, and none far from the unit cell.
        ASSERT_GE(cells.size(), 4u) << "area " << a;
        EXPECT_LE(cells.size(), 16u) << "area " << a;
        std::set<std::pair<int, int>> reached = {{cells[0].Column, cells[0].Row}};
        std::vector<HexPosition> queue = {cells[0]};
        for (std::size_t i = 0; i < queue.size(); ++i) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(queue[i].Column, queue[i].Row, side);
                if (next && Cell(*next).Area == a &&
                    reached.insert({next->Column, next->Row}).second)
                    queue.push_back(*next);
            }
        }
        EXPECT_EQ(reached.size(), cells.size()) << "area " << a << " is in pieces";
    }
}

TEST_F(WorldDataTest, HasLandCoastWaterAndAFewNoEntryAreas) {
    std::map<int, int> types;
    for (int a = 1; a <= kLastArea; ++a) ++types[Area(a).AreaType];
    EXPECT_GE(types[kLand], 20);
    EXPECT_GE(types[kCoast], 80);
    EXPECT_GE(types[kWater], 80);
    EXPECT_GE(types[kNoEntry], 3);
    EXPECT_LE(types[kNoEntry], 8);
    EXPECT_EQ(types.size(), 4u);
    EXPECT_TRUE(IsLand(kNeutralArea));  // a real area, always neutral
}

TEST_F(WorldDataTest, NeighboursAreTheTouchingAreasWaterFirst) {
    for (int a = 1; a <= kLastArea; ++a) {
        std::set<int> touching;
        for (const HexPosition p : CellsOf(a)) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(p.Column, p.Row, side);
                if (next && Cell(*next).Area != a) touching.insert(Cell(*next).Area);
            }
        }
        const std::vector<int> list = NeighbourList(a);
        EXPECT_EQ(std::set<int>(list.begin(), list.end()), touching) << "area " << a;
        EXPECT_EQ(list.size(), touching.size()) << "area " << a << " lists one twice";
        // Empty places only after the last neighbour.
        for (std::size_t slot = list.size() + 1; slot <= 14; ++slot)
            EXPECT_EQ(Area(a).Neighbours[slot], 0) << "area " << a;
        EXPECT_TRUE(std::is_partitioned(list.begin(), list.end(), IsWater)) << "area " << a;
        for (const int n : list) {
            const auto back = NeighbourList(n);
            EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << a << " and " << n;
        }
    }
}

TEST_F(WorldDataTest, CoastTouchesWaterAndLandDoesNot) {
    for (int a = 1; a <= kLastArea; ++a) {
        if (!IsLand(a)) continue;
        const auto list = NeighbourList(a);
        const bool nearWater = std::any_of(list.begin(), list.end(), IsWater);
        EXPECT_EQ(Area(a).AreaType, nearWater ? kCoast : kLand) << "area " << a;
    }
}

TEST_F(WorldDataTest, BordersRunExactlyBetweenAreas) {
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const HexCell& cell = session->hexes.at(c, r);
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(c, r, side);
                const int expected = next && Cell(*next).Area != cell.Area ? 1 : 0;
                ASSERT_EQ(cell.Border[static_cast<std::size_t>(side)], expected)
                    << c << "," << r << " side " << side;
            }
        }
    }
}

TEST_F(WorldDataTest, OneUnitCellPerAreaDeepInsideIt) {
    for (int a = 1; a <= kLastArea; ++a) {
        int units = 0;
        for (const HexPosition p : CellsOf(a)) {
            const HexCell& cell = Cell(p);
            const bool unit = cell.ShowUnit == -1;
            units += unit ? 1 : 0;
            EXPECT_EQ(cell.ShowNumber, unit ? -1 : 0) << "area " << a;
            EXPECT_EQ(cell.ShowSupply, unit && Area(a).Supply > 0 ? -1 : 0) << "area " << a;
        }
        ASSERT_EQ(units, 1) << "area " << a;
        const HexPosition unitCell = *FindHexOfArea(*session, a);
        // Its own area lies on most of its sides, and no cell of the area is
        // farther from the area's edge.
        int inside = 0;
        for (int side = 1; side <= kSides; ++side) {
            const auto next = NeighbourCell(unitCell.Column, unitCell.Row, side);
            inside += next && Cell(*next).Area == a ? 1 : 0;
        }
        EXPECT_GE(inside, 3) << "area " << a;
        const auto steps = StepsFrom(unitCell);
        for (const HexPosition p : CellsOf(a))
            EXPECT_LE(steps[p.Column * (kRows + 1) + p.Row], 3) << "area " << a;
    }
}

TEST_F(WorldDataTest, SupplyCentresOfEveryValueSpreadOverTheLand) {
    std::map<int, int> values;
    for (int a = 1; a <= kLastArea; ++a) {
        const int supply = Area(a).Supply;
        if (supply == 0) continue;
        ++values[supply];
        EXPECT_TRUE(IsLand(a)) << "area " << a;
        // Never more than two centres side by side.
        int touching = 0;
        for (const int n : NeighbourList(a)) touching += Area(n).Supply > 0 ? 1 : 0;
        EXPECT_LE(touching, 1) << "area " << a;
    }
    EXPECT_EQ(values.size(), 3u);
    EXPECT_GE(values[1], 20);
    EXPECT_GE(values[2], 8);
    EXPECT_GE(values[1] + values[2] + values[3], 55);
    // Spread: every land area lies within two steps of a centre.
    for (int a = 1; a <= kLastArea; ++a) {
        if (!IsLand(a)) continue;
        bool near = Area(a).Supply > 0;
        for (const int n : NeighbourList(a)) {
            near = near || Area(n).Supply > 0;
            for (const int m : NeighbourList(n)) near = near || (IsLand(m) && Area(m).Supply > 0);
        }
        EXPECT_TRUE(near) << "area " << a << " is far from every supply centre";
    }
}

TEST_F(WorldDataTest, TwelveHomesOnLandFarApart) {
    // The home section, as written: twelve records of area and name.
    const QList<QByteArray> lines = ReadData(kAreaFileName).split('\n');
    std::vector<int> homes;
    for (int i = kLastArea; i < kLastArea + 12; ++i)
        homes.push_back(lines[i].split(',')[0].toInt());
    ASSERT_EQ(std::set<int>(homes.begin(), homes.end()).size(), 12u);
    for (const int home : homes) {
        EXPECT_EQ(Area(home).AreaType, kCoast) << "home " << home;
        EXPECT_GT(Area(home).Supply, 0) << "home " << home;
        EXPECT_NE(home, kNeutralArea);
    }
    // PlayerCount 12 reads the first eleven.
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Area(homes[i]).HomeFlag, i < 11 ? -1 : 0);
    int closest = 1000;
    for (const int a : homes) {
        const auto steps = StepsFrom(*FindHexOfArea(*session, a));
        for (const int b : homes) {
            if (a == b) continue;
            const HexPosition p = *FindHexOfArea(*session, b);
            closest = std::min(closest, steps[p.Column * (kRows + 1) + p.Row]);
        }
    }
    EXPECT_GE(closest, 8);
}

TEST_F(WorldDataTest, NamesAreUniqueAndShort) {
    std::set<QString> seen;
    for (int a = 1; a <= kLastArea; ++a) {
        const QString& name = Area(a).Name;
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.size(), 24) << name.toStdString();
        EXPECT_FALSE(name.contains('_'));
        EXPECT_TRUE(seen.insert(name.toLower()).second) << name.toStdString();
    }
}

}  // namespace
}  // namespace qm
