#pragma once
// The orders an ally mails along on the last turn, for the player to see
// beside his own: each unit of the ally's defends a neighbouring unit of the
// friend's that no other defends, else moves on (into a free or enemy area
// ashore, into open water at sea), else supports the friend's attack on an
// enemy area beside one of the friend's units, else defends its own neighbour.

#include "sample/MoveGraph.h"
#include "sample/TurnOrders.h"

#include <set>

namespace sample {

inline PlayerOrders AllyPlan(const MasterState& master, const MoveGraph& graph,
                             const MapFacts& facts, int ally, int friendly) {
    PlayerOrders plan;
    std::set<int> entered, defended;
    auto enemy = [&](int owner) {
        return owner == 0 || master.relations[ally][owner] == QLatin1Char('W');
    };
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (master.unitOwner[a] != ally || master.unitType[a] == qm::kNoUnit) continue;
        const int type = master.unitType[a];
        int move = 0, defence = 0, attack = 0, own = 0;
        for (const int b : graph.From(type, a)) {
            const bool friendsUnit = master.unitOwner[b] == friendly && master.unitType[b] != 0;
            if (friendsUnit && !defended.contains(b) && defence == 0) defence = b;
            if (master.unitOwner[b] == ally && master.unitType[b] != 0 && own == 0) own = b;
            const bool naval = UnitClass(type) == 1;
            const bool open = b != qm::kNeutralArea && master.unitType[b] == qm::kNoUnit &&
                              !entered.contains(b) &&
                              (naval ? facts.IsWater(b) : enemy(master.owner[b]));
            if (open && move == 0) move = b;
            if (facts.IsLand(b) && enemy(master.owner[b]) && master.owner[b] != 0 && attack == 0)
                for (const int c : facts.Neighbours(b))
                    if (master.unitOwner[c] == friendly && master.unitType[c] != 0) attack = b;
        }
        if (defence != 0) {
            plan.defences.push_back({a, defence});
            defended.insert(defence);
        } else if (move != 0) {
            plan.moves.push_back({a, move});
            entered.insert(move);
        } else if (attack != 0) {
            plan.attacks.push_back({a, attack, friendly});
        } else if (own != 0) {
            plan.defences.push_back({a, own});
        }
    }
    return plan;
}

}  // namespace sample
