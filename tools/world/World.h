#pragma once
// The whole generated world: which cells form which area, and what each area
// is (terrain, supply, neighbours, name, home), ready to be written out.

#include "world/Board.h"
#include "world/Names.h"
#include "world/Partition.h"
#include "world/Terrain.h"

#include "map/HexGrid.h"
#include "state/Limits.h"

#include <QString>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace world {

struct WorldArea {
    std::vector<int> cells;
    bool water = false;
    int type = 0;  // 1 land, 2 coast, 3 water, 4 no-entry
    int supply = 0;
    bool home = false;
    std::vector<int> neighbours;  // area numbers, water first
    int unitCell = -1;
    QString name;
};

struct World {
    std::vector<int> areaOf = std::vector<int>(kCells, 0);                  // by cell
    std::vector<WorldArea> areas = std::vector<WorldArea>(qm::kAreaSlots);  // 1..273
    std::vector<int> homes;  // twelve area numbers, each far from those before
};

inline constexpr int kHomes = 12;
inline constexpr int kImpassableAreas = 5;
inline constexpr int kSupplyCentres = 60;  // besides the homes and area 273

namespace detail {

struct Body {
    std::vector<int> cells;
    bool water;
    int areas = 1;
};

// Connected bodies of land and of water, in cell order.
inline std::vector<Body> FindBodies(const std::vector<char>& land) {
    std::vector<Body> bodies;
    std::vector<char> done(kCells, 0);
    for (int cell = 0; cell < kCells; ++cell) {
        if (done[cell]) continue;
        const char kind = land[cell];
        Body body{Flood(cell, [&](int c) { return land[c] == kind; }), kind == 0};
        std::sort(body.cells.begin(), body.cells.end());
        for (const int c : body.cells) done[c] = 1;
        bodies.push_back(std::move(body));
    }
    return bodies;
}

// Shares the 273 areas out among the bodies: sea areas about half as large
// again as land areas, every body at least one, remainders to the largest.
inline void ShareAreas(std::vector<Body>& bodies) {
    constexpr double kSeaScale = 1.7;
    double weighted = 0;
    for (const Body& b : bodies) weighted += b.cells.size() / (b.water ? kSeaScale : 1.0);
    const double landSize = weighted / qm::kLastArea;
    std::vector<double> quota;
    int total = 0;
    for (Body& b : bodies) {
        quota.push_back(b.cells.size() / (landSize * (b.water ? kSeaScale : 1.0)));
        b.areas = std::max(1, static_cast<int>(quota.back()));
        total += b.areas;
    }
    while (total != qm::kLastArea) {
        // Add where the quota is furthest above the count, take where furthest below.
        std::size_t pick = 0;
        double best = -1e9;
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            const double gap =
                total < qm::kLastArea ? quota[i] - bodies[i].areas : bodies[i].areas - quota[i];
            if ((total < qm::kLastArea || bodies[i].areas > 1) && gap > best) {
                best = gap;
                pick = i;
            }
        }
        bodies[pick].areas += total < qm::kLastArea ? 1 : -1;
        total += total < qm::kLastArea ? 1 : -1;
    }
}

// The cell farthest from the area's edge, the nearest to its middle among equals.
inline int DeepestCell(const std::vector<int>& cells, const std::vector<int>& areaOf) {
    const int area = areaOf[cells[0]];
    std::vector<int> depth(kCells, -1);
    std::vector<int> queue;
    for (const int cell : cells) {
        bool edge = false;
        for (const int next : Adjacent()[cell]) edge = edge || next < 0 || areaOf[next] != area;
        if (edge) {
            depth[cell] = 0;
            queue.push_back(cell);
        }
    }
    for (std::size_t i = 0; i < queue.size(); ++i) {
        for (const int next : Adjacent()[queue[i]]) {
            if (next >= 0 && areaOf[next] == area && depth[next] < 0) {
                depth[next] = depth[queue[i]] + 1;
                queue.push_back(next);
            }
        }
    }
    const Point origin = Centre(cells[0]);
    double sumX = 0, sumY = 0;
    for (const int cell : cells) {
        sumX += WrapDx(Centre(cell).x - origin.x);
        sumY += Centre(cell).y - origin.y;
    }
    const Point middle = {origin.x + sumX / cells.size(), origin.y + sumY / cells.size()};
    int best = cells[0];
    for (const int cell : cells) {
        if (depth[cell] > depth[best] ||
            (depth[cell] == depth[best] &&
             Distance(Centre(cell), middle) < Distance(Centre(best), middle)))
            best = cell;
    }
    return best;
}

inline double AreaDistance(const World& world, int a, int b) {
    return Distance(Centre(world.areas[a].unitCell), Centre(world.areas[b].unitCell));
}

// Picks `count` of the candidates, each as far as can be from those picked before.
inline std::vector<int> SpreadOut(const World& world, const std::vector<int>& candidates, int first,
                                  int count) {
    std::vector<int> picked = {first};
    while (static_cast<int>(picked.size()) < count) {
        int best = -1;
        double bestGap = -1;
        for (const int a : candidates) {
            double gap = 1e9;
            for (const int p : picked) gap = std::min(gap, AreaDistance(world, a, p));
            if (gap > bestGap) {
                bestGap = gap;
                best = a;
            }
        }
        picked.push_back(best);
    }
    return picked;
}

}  // namespace detail

inline constexpr std::uint64_t kWorldSeed = 0x7A657A2D776F726Cull;

inline World MakeWorld() {
    World world;
    const std::vector<char> land = MakeLand();
    std::vector<detail::Body> bodies = detail::FindBodies(land);
    detail::ShareAreas(bodies);

    // Areas in the making, numbered later.
    std::vector<WorldArea> made;
    std::vector<int> madeOf(kCells, -1);
    std::vector<int> islandOf;  // per made area: 1 when it is a whole island
    for (std::size_t b = 0; b < bodies.size(); ++b) {
        const std::vector<int> regionOf =
            SplitBody(bodies[b].cells, bodies[b].areas, kWorldSeed + b);
        const std::size_t first = made.size();
        made.resize(first + static_cast<std::size_t>(bodies[b].areas));
        islandOf.resize(made.size(), !bodies[b].water && bodies[b].areas == 1 ? 1 : 0);
        for (const int cell : bodies[b].cells) {
            const std::size_t index = first + static_cast<std::size_t>(regionOf[cell]);
            made[index].cells.push_back(cell);
            made[index].water = bodies[b].water;
            madeOf[cell] = static_cast<int>(index);
        }
    }
    for (WorldArea& area : made) area.unitCell = detail::DeepestCell(area.cells, madeOf);

    // Area 273 is always neutral: an island city near the middle of the world.
    const Point middle = Centre(CellIndex(35, 16));
    int neutral = -1;
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (islandOf[i] && (neutral < 0 || Distance(Centre(made[i].unitCell), middle) <
                                               Distance(Centre(made[neutral].unitCell), middle)))
            neutral = static_cast<int>(i);
    }

    // Numbers run in bands of four rows from north to south, west to east in
    // each band, so that neighbours have near numbers.
    std::vector<int> order(made.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if ((a == neutral) != (b == neutral)) return b == neutral;
        const int ca = made[a].unitCell, cb = made[b].unitCell;
        const int bandA = (RowOf(ca) - 1) / 4, bandB = (RowOf(cb) - 1) / 4;
        if (bandA != bandB) return bandA < bandB;
        return ColumnOf(ca) != ColumnOf(cb) ? ColumnOf(ca) < ColumnOf(cb) : RowOf(ca) < RowOf(cb);
    });
    for (std::size_t n = 0; n < order.size(); ++n) {
        world.areas[n + 1] = std::move(made[order[n]]);
        for (const int cell : world.areas[n + 1].cells)
            world.areaOf[cell] = static_cast<int>(n + 1);
    }

    // Terrain and neighbours from the cells.
    for (int a = 1; a <= qm::kLastArea; ++a) {
        std::set<int> touching;
        for (const int cell : world.areas[a].cells)
            for (const int next : Adjacent()[cell])
                if (next >= 0 && world.areaOf[next] != a) touching.insert(world.areaOf[next]);
        world.areas[a].neighbours.assign(touching.begin(), touching.end());
    }
    for (int a = 1; a <= qm::kLastArea; ++a) {
        WorldArea& area = world.areas[a];
        bool nearWater = false;
        for (const int n : area.neighbours) nearWater = nearWater || world.areas[n].water;
        area.type = area.water ? qm::kWater : nearWater ? qm::kCoast : qm::kLand;
        // Fleets look along the first neighbours for water, so water comes first.
        std::stable_partition(area.neighbours.begin(), area.neighbours.end(),
                              [&](int n) { return world.areas[n].water; });
    }

    // A few impassable mountains and wastes, well apart, deep inland.
    std::vector<int> inland;
    for (int a = 1; a < qm::kLastArea; ++a)
        if (world.areas[a].type == qm::kLand) inland.push_back(a);
    if (!inland.empty()) {
        for (const int a : detail::SpreadOut(world, inland, inland.front(), kImpassableAreas))
            world.areas[a].type = qm::kNoEntry;
    }

    // Twelve homes on the coasts of the continents, as far apart as they go.
    std::vector<int> coasts;
    for (int a = 1; a < qm::kLastArea; ++a) {
        const WorldArea& area = world.areas[a];
        if (area.type != qm::kCoast || area.cells.size() < 5) continue;
        int landNeighbours = 0;
        for (const int n : area.neighbours) landNeighbours += world.areas[n].water ? 0 : 1;
        if (landNeighbours >= 3) coasts.push_back(a);
    }
    // In the order picked, so that the first few (a game of fewer players
    // reads only so many) are spread as far as the twelve.
    world.homes = detail::SpreadOut(world, coasts, coasts.front(), kHomes);
    for (const int a : world.homes) {
        world.areas[a].home = true;
        world.areas[a].supply = 3;
    }
    world.areas[qm::kNeutralArea].supply = 2;

    // Supply centres of 1, 2 and 3 points, never more than two side by side.
    Rng rng(kWorldSeed ^ 0x5355505031ull);
    std::vector<int> candidates;
    for (int a = 1; a < qm::kLastArea; ++a) {
        const int type = world.areas[a].type;
        if ((type == qm::kLand || type == qm::kCoast) && !world.areas[a].home)
            candidates.push_back(a);
    }
    for (std::size_t i = candidates.size(); i > 1; --i)
        std::swap(candidates[i - 1],
                  candidates[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
    int placed = 0;
    for (const int a : candidates) {
        if (placed == kSupplyCentres) break;
        // At most one centre next door, and that one alone.
        int near = 0;
        for (const int n : world.areas[a].neighbours) {
            if (world.areas[n].supply == 0) continue;
            ++near;
            for (const int m : world.areas[n].neighbours) near += world.areas[m].supply > 0;
        }
        if (near > 1) continue;
        const double roll = rng.Unit();
        world.areas[a].supply = roll < 0.55 ? 1 : roll < 0.85 ? 2 : 3;
        ++placed;
    }

    // Names.
    Namer namer(kWorldSeed ^ 0x4E414D4553ull);
    for (int a = 1; a <= qm::kLastArea; ++a) {
        WorldArea& area = world.areas[a];
        area.name = area.type == qm::kWater     ? namer.Water(area.cells.size() < 10)
                    : area.type == qm::kNoEntry ? namer.Impassable()
                                                : namer.Land();
    }
    return world;
}

}  // namespace world
