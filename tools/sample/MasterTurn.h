#pragma once
// The game master's side of a turn: carrying out every power's orders and
// handing out the areas that units took.

#include "sample/TurnOrders.h"

#include "state/OrderCodes.h"

#include <optional>

namespace sample {

/// The larger unit of a corps or squadron.
inline int Upgraded(int unitType) { return unitType == qm::kCorps ? qm::kArmy : qm::kFleet; }

/// Whether a unit of the player standing in area a at a turn's end takes it:
/// unowned land and coast, and the unowned waters off the player's home.
inline bool TakesArea(const MasterState& master, const MapFacts& facts, int home, int a) {
    if (master.owner[a] != 0 || a == qm::kNeutralArea) return false;
    if (facts.IsLand(a)) return true;
    const auto list = facts.Neighbours(home);
    return facts.IsWater(a) && std::find(list.begin(), list.end(), a) != list.end();
}

inline void AdvanceDate(MasterState& master) {
    master.TurnYear += master.TurnOfYear / 4;
    master.TurnOfYear = master.TurnOfYear % 4 + 1;
}

/// The next turn after every power's orders, or nothing when two units would
/// end in one area.
inline std::optional<MasterState> CarryOut(const MasterState& now, const TurnOrders& orders,
                                           const MapFacts& facts) {
    MasterState next = now;
    AdvanceDate(next);
    std::vector<std::pair<int, std::pair<int, int>>> arriving;  // area, owner and type
    for (int p = 1; p <= kPowers; ++p) {
        for (const int a : orders[p].upgrades) next.unitType[a] = Upgraded(now.unitType[a]);
        for (const int a : orders[p].removals) next.PlaceUnit(a, 0, 0);
        for (const auto& [from, to] : orders[p].moves) {
            arriving.push_back({to, {p, now.unitType[from]}});
            next.PlaceUnit(from, 0, 0);
        }
        for (const auto& [area, type] : orders[p].builds) arriving.push_back({area, {p, type}});
    }
    for (const auto& [area, unit] : arriving) {
        if (next.unitType[area] != 0) return std::nullopt;
        next.PlaceUnit(area, unit.first, unit.second);
    }
    const auto homes = AssignHomes(facts);
    for (int a = 1; a <= qm::kLastArea; ++a) {
        const int p = next.unitOwner[a];
        if (next.unitType[a] != 0 && p >= 1 && p <= kPowers && TakesArea(next, facts, homes[p], a))
            next.owner[a] = p;
    }
    // An alliance is each side's word; war and peace hold for both.
    for (int p = 1; p <= kPowers; ++p)
        for (const auto& [code, q] : orders[p].declarations) {
            if (code == qm::kDeclareAlliance) next.relations[p][q] = QLatin1Char('A');
            if (code == qm::kDeclareWar) next.SetRelation(p, q, QLatin1Char('W'));
            if (code == qm::kDeclareNeutrality) next.SetRelation(p, q, QLatin1Char('N'));
        }
    return next;
}

}  // namespace sample
