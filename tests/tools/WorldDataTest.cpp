// Our shipped world, data/map-area.dat and data/map-hex.dat, checked for the
// properties the program relies on.

#include "map/HexPosition.h"
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
    static inline test::FakePort port;
    static inline std::unique_ptr<Session> session;
    static inline bool loaded = false;
    static inline std::map<int, std::vector<HexPosition>> cells;  // of every area
};

TEST_F(WorldDataTest, EveryCellHasAnAreaAndEveryAreaATypeAndAName) {
    EXPECT_EQ(cells.count(0), 0u);
    EXPECT_EQ(cells.size(), 273u);
    std::map<int, int> types;
    for (int a = 1; a <= kLastArea; ++a) {
        ++types[Area(a).AreaType];
        EXPECT_FALSE(Area(a).Name.isEmpty() || Area(a).Name.contains('_')) << a;
        if (!IsLand(a)) continue;
        const auto list = Neighbours(a);  // coast touches water, land does not
        EXPECT_EQ(Area(a).AreaType, std::any_of(list.begin(), list.end(), IsWater) ? kCoast : kLand)
            << "area " << a;
    }
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

TEST_F(WorldDataTest, OneUnitCellPerAreaCarriesItsMarks) {
    for (const auto& [a, own] : cells) {
        int units = 0;
        for (const HexPosition p : own) {
            const bool unit = Cell(p).ShowUnit == -1;
            units += unit;
            EXPECT_EQ(Cell(p).ShowNumber, unit ? -1 : 0) << "area " << a;
            EXPECT_EQ(Cell(p).ShowSupply, unit && Area(a).Supply > 0 ? -1 : 0) << "area " << a;
        }
        ASSERT_EQ(units, 1) << "area " << a;
    }
}

TEST_F(WorldDataTest, TwelveHomesOnCoastalSupplyCentres) {
    // The home section, as written: twelve records of area and name.
    QFile file(QStringLiteral(ZEZ_DATA_DIR "/") + kAreaFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    std::vector<int> homes;
    for (int i = kLastArea; i < kLastArea + 12; ++i)
        homes.push_back(lines[i].split(',')[0].toInt());
    ASSERT_EQ(std::set<int>(homes.begin(), homes.end()).size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const int a = homes[i];
        EXPECT_TRUE(Area(a).AreaType == kCoast && Area(a).Supply > 0 && a != kNeutralArea) << a;
        EXPECT_EQ(Area(a).HomeFlag, i < 11 ? -1 : 0);  // PlayerCount 12 reads the first eleven
    }
}

}  // namespace
}  // namespace qm
