// Our shipped world, data/map-area.dat and data/map-hex.dat, checked for every
// property the program and the players rely on.

#include "map/HexPosition.h"
#include "map/HexSearch.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
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
        session = std::make_unique<Session>(port);
        session->game.PlayerCount = 12;
        loaded = LoadMapData(session->game, session->map, session->port,
                             {QStringLiteral(ZEZ_DATA_DIR "/")});
        for (std::int16_t c = 1; c <= kColumns; ++c)
            for (std::int16_t r = 1; r <= kRows; ++r) cells[Cell({c, r}).Area].push_back({c, r});
    }
    static void TearDownTestSuite() { session.reset(); }
    // The world loads without a word.
    void SetUp() override { ASSERT_TRUE(loaded && port.messages.empty()); }

    static const AreaRecord& Area(int a) { return session->game.area(a); }
    static const HexCell& Cell(HexPosition p) { return session->map.hexes.at(p.Column, p.Row); }
    static std::vector<int> Neighbours(int a) {
        std::vector<int> list;
        for (int slot = 1; slot <= 14; ++slot)
            if (Area(a).Neighbours[slot] != 0) list.push_back(Area(a).Neighbours[slot]);
        return list;
    }
    static bool IsWater(int a) { return Area(a).AreaType == kWater; }
    static bool IsLand(int a) { return Area(a).AreaType == kLand || Area(a).AreaType == kCoast; }
    // Steps from a cell to every cell of the board, or of one area only.
    static std::map<std::pair<int, int>, int> StepsFrom(HexPosition from, int area = -1) {
        std::map<std::pair<int, int>, int> steps = {{{from.Column, from.Row}, 0}};
        std::vector<HexPosition> queue = {from};
        for (std::size_t i = 0; i < queue.size(); ++i) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(queue[i].Column, queue[i].Row, side);
                if (!next || (area >= 0 && Cell(*next).Area != area)) continue;
                const int step = steps[{queue[i].Column, queue[i].Row}] + 1;
                if (steps.emplace(std::pair<int, int>{next->Column, next->Row}, step).second)
                    queue.push_back(*next);
            }
        }
        return steps;
    }

    static inline test::FakePort port;
    static inline std::unique_ptr<Session> session;
    static inline bool loaded = false;
    static inline std::map<int, std::vector<HexPosition>> cells;  // of every area
};

TEST_F(WorldDataTest, EveryAreaIsOneCompactPieceOfTheBoard) {
    EXPECT_EQ(cells.count(0), 0u);  // every cell belongs to an area
    EXPECT_EQ(cells.size(), 273u);
    for (const auto& [a, own] : cells) {
        // No slivers: four to sixteen cells, all connected.
        EXPECT_TRUE(own.size() >= 4u && own.size() <= 16u) << "area " << a;
        EXPECT_EQ(StepsFrom(own[0], a).size(), own.size()) << "area " << a << " is in pieces";
    }
}

TEST_F(WorldDataTest, LandCoastWaterAndAFewNoEntryAreasUniquelyNamed) {
    std::map<int, int> types;
    std::set<QString> names;
    for (int a = 1; a <= kLastArea; ++a) {
        ++types[Area(a).AreaType];
        const QString& name = Area(a).Name;
        EXPECT_FALSE(name.isEmpty() || name.size() > 24 || name.contains('_')) << a;
        EXPECT_TRUE(names.insert(name.toLower()).second) << name.toStdString();
        if (!IsLand(a)) continue;
        const auto list = Neighbours(a);  // coast touches water, land does not
        EXPECT_EQ(Area(a).AreaType, std::any_of(list.begin(), list.end(), IsWater) ? kCoast : kLand)
            << "area " << a;
    }
    EXPECT_TRUE(types[kLand] >= 20 && types[kCoast] >= 80 && types[kWater] >= 80);
    EXPECT_TRUE(types[kNoEntry] >= 3 && types[kNoEntry] <= 8);
    EXPECT_EQ(types.size(), 4u);
    EXPECT_TRUE(IsLand(kNeutralArea));  // a real area, always neutral
}

TEST_F(WorldDataTest, NeighboursAreTheAreasAcrossTheBordersWaterFirst) {
    for (const auto& [a, own] : cells) {
        std::set<int> touching;
        for (const HexPosition p : own) {
            for (int side = 1; side <= kSides; ++side) {
                // Borders run exactly between areas.
                const auto next = NeighbourCell(p.Column, p.Row, side);
                const bool border = next && Cell(*next).Area != a;
                ASSERT_EQ(Cell(p).Border[static_cast<std::size_t>(side)], border ? 1 : 0)
                    << p.Column << "," << p.Row << " side " << side;
                if (border) touching.insert(Cell(*next).Area);
            }
        }
        // Each once, and empty places only after the last.
        const std::vector<int> list = Neighbours(a);
        const auto& places = Area(a).Neighbours;
        EXPECT_EQ(std::set<int>(places.begin() + 1, places.begin() + 1 + list.size()), touching)
            << a;
        EXPECT_EQ(list.size(), touching.size()) << "area " << a;
        EXPECT_TRUE(std::is_partitioned(list.begin(), list.end(), IsWater)) << "area " << a;
        for (const int n : list) {
            const auto back = Neighbours(n);
            EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << a << " and " << n;
        }
    }
}

TEST_F(WorldDataTest, OneUnitCellPerAreaDeepInsideIt) {
    for (const auto& [a, own] : cells) {
        int units = 0;
        for (const HexPosition p : own) {
            const bool unit = Cell(p).ShowUnit == -1;
            units += unit;
            EXPECT_EQ(Cell(p).ShowNumber, unit ? -1 : 0) << "area " << a;
            EXPECT_EQ(Cell(p).ShowSupply, unit && Area(a).Supply > 0 ? -1 : 0) << "area " << a;
        }
        ASSERT_EQ(units, 1) << "area " << a;
        // Its own area lies on most of its sides, and no cell of the area is far from it.
        const auto steps = StepsFrom(*FindHexOfArea(session->game, session->map.hexes, a));
        int inside = 0;
        for (const HexPosition p : own) {
            inside += steps.at({p.Column, p.Row}) == 1;
            EXPECT_LE(steps.at({p.Column, p.Row}), 3) << "area " << a;
        }
        EXPECT_GE(inside, 3) << "area " << a;
    }
}

TEST_F(WorldDataTest, SupplyCentresOfEveryValueSpreadOverTheLand) {
    std::map<int, int> values;
    for (int a = 1; a <= kLastArea; ++a) {
        bool near = Area(a).Supply > 0;
        for (const int n : Neighbours(a)) {
            near = near || Area(n).Supply > 0;
            for (const int m : Neighbours(n)) near = near || (IsLand(m) && Area(m).Supply > 0);
        }
        EXPECT_TRUE(near || !IsLand(a)) << "area " << a << " is far from every supply centre";
        if (Area(a).Supply == 0) continue;
        ++values[Area(a).Supply];
        EXPECT_TRUE(IsLand(a)) << "area " << a;
        // Never more than two centres side by side.
        const auto list = Neighbours(a);
        EXPECT_LE(std::count_if(list.begin(), list.end(), [](int n) { return Area(n).Supply; }), 1)
            << "area " << a;
    }
    EXPECT_EQ(values.size(), 3u);
    EXPECT_TRUE(values[1] >= 20 && values[2] >= 8 && values[1] + values[2] + values[3] >= 55);
}

TEST_F(WorldDataTest, TwelveHomesOnTheCoastFarApart) {
    // The home section, as written: twelve records of area and name.
    QFile file(QStringLiteral(ZEZ_DATA_DIR "/") + kAreaFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    std::vector<int> homes;
    for (int i = kLastArea; i < kLastArea + 12; ++i)
        homes.push_back(lines[i].split(',')[0].toInt());
    ASSERT_EQ(std::set<int>(homes.begin(), homes.end()).size(), 12u);
    int closest = 1000;
    for (std::size_t i = 0; i < 12; ++i) {
        const int a = homes[i];
        EXPECT_TRUE(Area(a).AreaType == kCoast && Area(a).Supply > 0 && a != kNeutralArea) << a;
        EXPECT_EQ(Area(a).HomeFlag, i < 11 ? -1 : 0);  // PlayerCount 12 reads the first eleven
        const auto steps = StepsFrom(*FindHexOfArea(session->game, session->map.hexes, a));
        for (const int b : homes) {
            const HexPosition p = *FindHexOfArea(session->game, session->map.hexes, b);
            if (b != a) closest = std::min(closest, steps.at({p.Column, p.Row}));
        }
    }
    EXPECT_GE(closest, 8);
}

}  // namespace
}  // namespace qm
