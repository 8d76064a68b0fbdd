#pragma once
// The sample game: seven invented powers on our world, at their first turn
// (spring 1880) and in the middle of the game (1882, turn 3), with
// territories grown outward from their homes, alliances, wars and units.

#include "sample/MasterState.h"

#include "state/GameState.h"

#include <QString>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace sample {

inline constexpr int kPowers = 7;
inline constexpr int kPlayerCount = kPowers + 1;  // plus the record after the last power

inline std::vector<Power> Powers() {
    return {
        {"NEUT", "Neutral", ""},
        {"KALD", "Kaldoria", "Kaldoria - player 1 - Irmgard Salo"},
        {"VESK", "Veskaran Republic", "Veskaran Republic - player 2 - Tomas Brell"},
        {"ORMA", "Ormanth", "Ormanth - player 3 - Ada Quenby"},
        {"TIRV", "Tirvenia", "Tirvenia - player 4 - Piet Marlowe"},
        {"BALQ", "Balquor Union", "Balquor Union - player 5 - Sanne Oduya"},
        {"SENH", "Senhaven", "Senhaven - player 6 - Lev Harkin"},
        {"DRUE", "Druemark", "Druemark - player 7 - Nadia Ferro"},
        {"GMST", "Game Master", "Game Master"},
    };
}

/// What the map says that the game needs.
class MapFacts {
public:
    explicit MapFacts(const qm::GameState& map) : map_(map) {}

    const qm::GameState& map() const { return map_; }
    int Type(int a) const { return map_.area(a).AreaType; }
    int Supply(int a) const { return map_.area(a).Supply; }
    bool IsLand(int a) const { return Type(a) == qm::kLand || Type(a) == qm::kCoast; }
    bool IsWater(int a) const { return Type(a) == qm::kWater; }
    std::vector<int> Neighbours(int a) const {
        std::vector<int> list;
        for (int slot = 1; slot < qm::kNeighbourSlots; ++slot)
            if (map_.area(a).Neighbours[slot] > 0) list.push_back(map_.area(a).Neighbours[slot]);
        return list;
    }
    /// Steps from one area to every other, through any areas or over land only.
    std::vector<int> Steps(int from, bool landOnly = false) const {
        std::vector<int> steps(qm::kAreaSlots, 999);
        std::vector<int> queue = {from};
        steps[from] = 0;
        for (std::size_t i = 0; i < queue.size(); ++i)
            for (const int n : Neighbours(queue[i]))
                if ((!landOnly || IsLand(n)) && steps[n] > steps[queue[i]] + 1) {
                    steps[n] = steps[queue[i]] + 1;
                    queue.push_back(n);
                }
        return steps;
    }

private:
    const qm::GameState& map_;
};

/// Homes by player (1..7): the two nearest homes go to the allies 2 and 3,
/// the homes nearest to them to their enemies 4 and 5, the rest in order.
inline std::array<int, kPowers + 1> AssignHomes(const MapFacts& facts) {
    std::vector<int> homes;
    for (int a = 1; a <= qm::kLastArea; ++a)
        if (facts.map().area(a).HomeFlag) homes.push_back(a);
    std::array<int, kPowers + 1> byPlayer{};
    int best = 1000;
    for (const int a : homes) {
        const auto steps = facts.Steps(a);
        for (const int b : homes)
            if (a < b && steps[b] < best) {
                best = steps[b];
                byPlayer[2] = a;
                byPlayer[3] = b;
            }
    }
    auto take = [&](int a) { homes.erase(std::find(homes.begin(), homes.end(), a)); };
    take(byPlayer[2]);
    take(byPlayer[3]);
    // An enemy next door: by land if there is one, else across the water.
    for (const int player : {4, 5}) {
        const auto byLand = facts.Steps(byPlayer[player - 2], true);
        const auto byAny = facts.Steps(byPlayer[player - 2]);
        const int nearest = *std::min_element(homes.begin(), homes.end(), [&](int a, int b) {
            return std::pair(byLand[a], byAny[a]) < std::pair(byLand[b], byAny[b]);
        });
        byPlayer[player] = nearest;
        take(nearest);
    }
    byPlayer[1] = homes[0];
    byPlayer[6] = homes[1];
    byPlayer[7] = homes[2];
    return byPlayer;
}

struct Growth {
    int supply;         // grow until the areas yield this much
    int maxAreas;       // or hold this many
    int headStart = 0;  // areas taken before the others begin
};

/// Each power in turn takes one free land area next to its own, on the way
/// to the nearest free supply centre, until it has enough.
inline void GrowTerritories(MasterState& master, const MapFacts& facts,
                            const std::array<Growth, kPowers + 1>& growth) {
    std::array<bool, kPowers + 1> done{};
    auto supplyOf = [&](int player) {
        int sum = 0;
        for (int a = 1; a <= qm::kLastArea; ++a)
            sum += master.owner[a] == player ? facts.Supply(a) : 0;
        return sum;
    };
    auto areasOf = [&](int player) {
        return static_cast<int>(std::count(master.owner.begin(), master.owner.end(), player));
    };
    // Steps from each free land area to the nearest free supply centre, so
    // that a power grows towards the next centre. The queue is not kept in
    // order of steps, so a later, shorter way is taken up again.
    auto towardsSupply = [&] {
        std::vector<int> steps(qm::kAreaSlots, 999);
        std::vector<int> queue;
        for (int a = 1; a < qm::kLastArea; ++a)
            if (facts.IsLand(a) && master.owner[a] == 0 && facts.Supply(a) > 0) {
                steps[a] = 3 - std::min(facts.Supply(a), 3);  // richer centres pull harder
                queue.push_back(a);
            }
        for (std::size_t i = 0; i < queue.size(); ++i)
            for (const int n : facts.Neighbours(queue[i]))
                if (facts.IsLand(n) && master.owner[n] == 0 && n != qm::kNeutralArea &&
                    steps[n] > steps[queue[i]] + 1) {
                    steps[n] = steps[queue[i]] + 1;
                    queue.push_back(n);
                }
        return steps;
    };
    const auto homes = AssignHomes(facts);
    std::array<std::vector<int>, kPowers + 1> fromHome;
    for (int p = 1; p <= kPowers; ++p) fromHome[p] = facts.Steps(homes[p]);
    // One more area for the player; false when it has enough or no room.
    auto takeOne = [&](int p) {
        if (supplyOf(p) >= growth[p].supply || areasOf(p) >= growth[p].maxAreas) return false;
        const std::vector<int> steps = towardsSupply();
        // Near the next supply centre, but near home too, so that a realm
        // stays of a piece.
        auto score = [&](int a) { return 2 * steps[a] + fromHome[p][a]; };
        int pick = 0;
        for (int a = 1; a < qm::kLastArea; ++a) {
            if (master.owner[a] != p) continue;
            for (const int n : facts.Neighbours(a)) {
                if (!facts.IsLand(n) || master.owner[n] != 0 || n == qm::kNeutralArea) continue;
                if (pick == 0 || score(n) < score(pick) || (score(n) == score(pick) && n < pick))
                    pick = n;
            }
        }
        if (pick == 0) return false;
        master.owner[pick] = p;
        return true;
    };
    for (int p = 1; p <= kPowers; ++p)
        for (int i = 0; i < growth[p].headStart; ++i) takeOne(p);
    for (bool grew = true; grew;) {
        grew = false;
        for (int p = 1; p <= kPowers; ++p) {
            if (done[p]) continue;
            done[p] = !takeOne(p);
            grew = grew || !done[p];
        }
    }
}

struct Forces {
    int armies, corps, fleets, squadrons;
};

/// As many units as the budget pays for, one of each kind in turn.
inline Forces Affordable(int budget) {
    Forces forces{0, 0, 0, 0};
    for (bool added = true; added;) {
        added = false;
        for (auto [count, cost] : {std::pair<int*, int>{&forces.armies, 2},
                                   {&forces.corps, 1},
                                   {&forces.fleets, 2},
                                   {&forces.squadrons, 1}}) {
            if (cost > budget) continue;
            ++*count;
            budget -= cost;
            added = true;
        }
    }
    return forces;
}

/// Places a power's units: land units on its own land, borders first and
/// supply centres last; fleets on the water beside its coasts; squadrons on
/// its coasts, then on the water.
inline void PlaceForces(MasterState& master, const MapFacts& facts, int player, Forces forces) {
    auto free = [&](int a) { return master.unitType[a] == 0; };
    auto border = [&](int a) {
        for (const int n : facts.Neighbours(a))
            if (master.owner[n] != player && facts.IsLand(n)) return true;
        return false;
    };
    std::vector<int> land, coast, water;
    std::set<int> nearWater;
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (master.owner[a] != player) continue;
        if (facts.IsLand(a)) land.push_back(a);
        if (facts.Type(a) == qm::kCoast) coast.push_back(a);
        if (facts.IsWater(a)) nearWater.insert(a);
        for (const int n : facts.Neighbours(a))
            if (facts.IsWater(n) && (master.owner[n] == 0 || master.owner[n] == player))
                nearWater.insert(n);
    }
    water.assign(nearWater.begin(), nearWater.end());
    // Fleets keep to the power's own waters first; units leave the supply
    // centres free where they can.
    std::stable_partition(water.begin(), water.end(),
                          [&](int a) { return master.owner[a] == player; });
    std::stable_partition(coast.begin(), coast.end(), [&](int a) { return facts.Supply(a) == 0; });
    std::stable_sort(land.begin(), land.end(), [&](int a, int b) {
        const int rankA = (facts.Supply(a) > 0 ? 2 : 0) + (border(a) ? 0 : 1);
        const int rankB = (facts.Supply(b) > 0 ? 2 : 0) + (border(b) ? 0 : 1);
        return rankA < rankB;
    });
    auto place = [&](const std::vector<int>& where, int count, int type) {
        for (const int a : where) {
            if (count == 0) return;
            if (!free(a)) continue;
            master.PlaceUnit(a, player, type);
            --count;
        }
    };
    place(land, forces.armies, qm::kArmy);
    place(land, forces.corps, qm::kCorps);
    place(water, forces.fleets, qm::kFleet);
    place(coast, forces.squadrons, qm::kSquadron);
    int left = forces.squadrons;
    for (const int a : coast)
        left -= master.unitOwner[a] == player && master.unitType[a] == qm::kSquadron;
    place(water, left, qm::kSquadron);
}

inline MasterState NewGame(const MapFacts& facts, int year, int turn) {
    MasterState master;
    master.GameCode = QStringLiteral("QM042");
    master.TurnYear = year;
    master.TurnOfYear = turn;
    master.PlayerCount = kPlayerCount;
    master.powers = Powers();
    for (int p = 0; p <= kPlayerCount; ++p) {
        QString letters(kPlayerCount + 1, QLatin1Char('N'));
        if (p >= 1 && p <= kPowers) letters[p] = QLatin1Char('A');  // a power stands by itself
        master.relations.push_back(letters);
    }
    const auto homes = AssignHomes(facts);
    for (int p = 1; p <= kPowers; ++p) master.owner[homes[p]] = p;
    return master;
}

/// Spring 1880: every power holds its home and its nearest supply centre,
/// with an army at home, a corps and a squadron; no treaties yet.
inline MasterState FirstTurn(const MapFacts& facts) {
    MasterState master = NewGame(facts, qm::kFirstYear, 1);
    std::array<Growth, kPowers + 1> growth;
    growth.fill({6, 7});
    GrowTerritories(master, facts, growth);
    const auto homes = AssignHomes(facts);
    for (int p = 1; p <= kPowers; ++p) {
        master.PlaceUnit(homes[p], p, qm::kArmy);
        PlaceForces(master, facts, p, {0, 1, 0, 1});
    }
    return master;
}

/// 1882, turn 3: the powers have grown; Veskaran Republic (2) and Ormanth (3)
/// are allied and both at war with a neighbour, Senhaven and Druemark allied,
/// Kaldoria at war with Senhaven.
inline MasterState MidGame(const MapFacts& facts) {
    MasterState master = NewGame(facts, 1882, 3);
    const std::array<Growth, kPowers + 1> growth = {
        Growth{0, 0}, {11, 9}, {20, 26, 7}, {14, 12, 3}, {13, 11}, {12, 10}, {10, 9}, {11, 10}};
    GrowTerritories(master, facts, growth);
    // Each power has also taken the waters off its home coast.
    const auto homes = AssignHomes(facts);
    for (int p = 1; p <= kPowers; ++p) {
        int taken = 0;
        for (const int n : facts.Neighbours(homes[p]))
            if (facts.IsWater(n) && master.owner[n] == 0 && taken < 2) {
                master.owner[n] = p;
                ++taken;
            }
    }
    master.SetRelation(2, 3, QLatin1Char('A'));
    master.SetRelation(6, 7, QLatin1Char('A'));
    master.SetRelation(2, 4, QLatin1Char('W'));
    master.SetRelation(3, 5, QLatin1Char('W'));
    master.SetRelation(1, 6, QLatin1Char('W'));

    // The Veskaran forces are set; every other power keeps what its supply
    // pays for, with a point to spare (two for Ormanth, whose corps abroad
    // is paid from home).
    std::array<Forces, kPowers + 1> forces{};
    for (int p = 1; p <= kPowers; ++p) {
        int supply = 0;
        for (int a = 1; a <= qm::kLastArea; ++a)
            supply += master.owner[a] == p ? facts.Supply(a) : 0;
        forces[p] = p == 2 ? Forces{3, 2, 2, 2} : Affordable(supply - (p == 3 ? 2 : 1));
    }
    for (int p = 1; p <= kPowers; ++p) PlaceForces(master, facts, p, forces[p]);

    // An Ormanth corps stands guard inside the Veskaran border.
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (master.owner[a] != 2 || master.unitType[a] != 0 || !facts.IsLand(a)) continue;
        const auto list = facts.Neighbours(a);
        if (std::any_of(list.begin(), list.end(), [&](int n) { return master.owner[n] == 3; })) {
            master.PlaceUnit(a, 3, qm::kCorps);
            break;
        }
    }
    return master;
}

/// Supply left after upkeep (2 an army or fleet, 1 a corps or squadron).
inline int FreeSupply(const MasterState& master, const MapFacts& facts, int player) {
    int free = 0;
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (master.owner[a] == player) free += facts.Supply(a);
        if (master.unitOwner[a] == player && master.unitType[a] > 0)
            free -= master.unitType[a] == qm::kArmy || master.unitType[a] == qm::kFleet ? 2 : 1;
    }
    return free;
}

}  // namespace sample
