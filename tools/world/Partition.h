#pragma once
// Splits one body of land or water into areas of even size and compact shape:
// seeds spread far apart, then rounds of weighted nearest-seed assignment in
// steps across the board, each seed moved to its region's middle and weighted
// towards the size every region should have.

#include "world/Board.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace world {

namespace detail {

// Steps from `start` to every cell of the body (-1 outside it).
inline std::vector<int> Steps(int start, const std::vector<char>& inBody) {
    std::vector<int> steps(kCells, -1);
    std::vector<int> queue = {start};
    steps[start] = 0;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        for (const int next : Adjacent()[queue[i]]) {
            if (next >= 0 && inBody[next] && steps[next] < 0) {
                steps[next] = steps[queue[i]] + 1;
                queue.push_back(next);
            }
        }
    }
    return steps;
}

// Keeps each region's largest connected piece; the cells of other pieces go
// to the neighbouring region they touch most.
inline void MakeConnected(const std::vector<int>& cells, std::vector<int>& regionOf, int count) {
    std::vector<int> orphans;
    for (int region = 0; region < count; ++region) {
        std::vector<char> seen(kCells, 0);
        std::vector<std::vector<int>> pieces;
        for (const int cell : cells) {
            if (regionOf[cell] != region || seen[cell]) continue;
            pieces.push_back(Flood(cell, [&](int c) { return regionOf[c] == region; }));
            for (const int c : pieces.back()) seen[c] = 1;
        }
        if (pieces.size() < 2) continue;
        std::size_t largest = 0;
        for (std::size_t i = 1; i < pieces.size(); ++i)
            if (pieces[i].size() > pieces[largest].size()) largest = i;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (i == largest) continue;
            for (const int c : pieces[i]) {
                regionOf[c] = -1;
                orphans.push_back(c);
            }
        }
    }
    while (!orphans.empty()) {
        std::vector<int> left;
        for (const int cell : orphans) {
            std::vector<int> votes(static_cast<std::size_t>(count), 0);
            int best = -1;
            for (const int next : Adjacent()[cell]) {
                if (next < 0 || regionOf[next] < 0) continue;
                if (++votes[regionOf[next]] > (best < 0 ? 0 : votes[best])) best = regionOf[next];
            }
            if (best < 0) {
                left.push_back(cell);
            } else {
                regionOf[cell] = best;
            }
        }
        if (left.size() == orphans.size()) break;  // cannot happen in a connected body
        orphans = left;
    }
}

// True when the region still hangs together without `cell`.
inline bool StaysConnectedWithout(int cell, const std::vector<int>& regionOf) {
    const int region = regionOf[cell];
    int start = -1;
    int size = 0;
    for (const int next : Adjacent()[cell])
        if (next >= 0 && regionOf[next] == region) start = next;
    if (start < 0) return false;
    for (int c = 0; c < kCells; ++c) size += regionOf[c] == region ? 1 : 0;
    const auto reached = Flood(start, [&](int c) { return c != cell && regionOf[c] == region; });
    return static_cast<int>(reached.size()) == size - 1;
}

}  // namespace detail

/// regionOf for the cells of one connected body: 0..count-1.
inline std::vector<int> SplitBody(const std::vector<int>& cells, int count, std::uint64_t seed) {
    std::vector<int> regionOf(kCells, -1);
    if (count <= 1) {
        for (const int cell : cells) regionOf[cell] = 0;
        return regionOf;
    }
    std::vector<char> inBody(kCells, 0);
    for (const int cell : cells) inBody[cell] = 1;
    Rng rng(seed);

    // Seeds far apart: each new one where the nearest seed is farthest.
    std::vector<int> seeds = {
        cells[static_cast<std::size_t>(rng.Below(static_cast<int>(cells.size())))]};
    std::vector<int> nearest = detail::Steps(seeds[0], inBody);
    while (static_cast<int>(seeds.size()) < count) {
        int best = cells[0];
        for (const int cell : cells)
            if (nearest[cell] > nearest[best]) best = cell;
        seeds.push_back(best);
        const std::vector<int> steps = detail::Steps(best, inBody);
        for (const int cell : cells) nearest[cell] = std::min(nearest[cell], steps[cell]);
    }

    const double target = static_cast<double>(cells.size()) / count;
    std::vector<double> weight(static_cast<std::size_t>(count), 0.0);
    for (int round = 0; round < 60; ++round) {
        std::vector<std::vector<int>> steps;
        for (const int s : seeds) steps.push_back(detail::Steps(s, inBody));
        for (const int cell : cells) {
            double best = std::numeric_limits<double>::max();
            for (int s = 0; s < count; ++s) {
                const double cost =
                    steps[s][cell] - weight[s] + 0.01 * Distance(Centre(cell), Centre(seeds[s]));
                if (cost < best) {
                    best = cost;
                    regionOf[cell] = s;
                }
            }
        }
        for (int s = 0; s < count; ++s) regionOf[seeds[s]] = s;
        detail::MakeConnected(cells, regionOf, count);

        // Each seed moves to the cell nearest its region's middle, and grows
        // or shrinks its reach by how far the region is from the even size.
        std::vector<double> sumX(count, 0), sumY(count, 0);
        std::vector<int> size(count, 0);
        for (const int cell : cells) {
            const int s = regionOf[cell];
            const Point a = Centre(seeds[s]);
            const Point b = Centre(cell);
            sumX[s] += WrapDx(b.x - a.x);
            sumY[s] += b.y - a.y;
            ++size[s];
        }
        for (int s = 0; s < count; ++s) {
            weight[s] += 0.6 * (target - size[s]) / target;
            if (size[s] == 0) continue;
            const Point a = Centre(seeds[s]);
            const Point middle = {a.x + sumX[s] / size[s], a.y + sumY[s] / size[s]};
            int best = seeds[s];
            for (const int cell : cells)
                if (regionOf[cell] == s &&
                    Distance(Centre(cell), middle) < Distance(Centre(best), middle))
                    best = cell;
            seeds[s] = best;
        }
    }

    // Last touches: a cell passes from a large region to a smaller neighbour
    // that it touches on at least two sides, while the larger stays whole.
    for (int pass = 0; pass < 20; ++pass) {
        std::vector<int> size(count, 0);
        for (const int cell : cells) ++size[regionOf[cell]];
        bool moved = false;
        for (const int cell : cells) {
            const int from = regionOf[cell];
            if (size[from] <= target) continue;
            std::vector<int> touching(count, 0);
            for (const int next : Adjacent()[cell])
                if (next >= 0 && inBody[next] && regionOf[next] != from) ++touching[regionOf[next]];
            for (int to = 0; to < count; ++to) {
                if (touching[to] < 2 || size[to] + 1 >= size[from]) continue;
                if (size[from] - size[to] < 2 || !detail::StaysConnectedWithout(cell, regionOf))
                    continue;
                regionOf[cell] = to;
                --size[from];
                ++size[to];
                moved = true;
                break;
            }
        }
        if (!moved) break;
    }
    return regionOf;
}

}  // namespace world
