#pragma once
// One turn of the history, checked against what the orders allow: units move
// one step or stay, appear only where they were built, vanish only when
// removed or beaten; areas change hands only under a unit of the new owner;
// builds and upgrades are paid for; relations change only as declared.

#include "sample/MasterTurn.h"
#include "sample/MoveGraph.h"

#include "state/OrderCodes.h"

namespace sample {

namespace transition {

inline bool AtWar(const MasterState& master, int p, int q) {
    return master.relations[p][q] == QLatin1Char('W') || master.relations[q][p] == QLatin1Char('W');
}

/// An enemy of the player at war stands in the area or beside it.
inline bool EnemyClose(const MasterState& master, const MapFacts& facts, int player, int a) {
    std::vector<int> near = facts.Neighbours(a);
    near.push_back(a);
    for (const int n : near) {
        const int q = master.unitOwner[n];
        if (master.unitType[n] != 0 && q != player && q >= 1 && q <= kPowers &&
            AtWar(master, player, q))
            return true;
    }
    return false;
}

inline bool Declared(const TurnOrders& orders, int p, QLatin1String code, int q) {
    for (const auto& [c, to] : orders[p].declarations)
        if (c == code && to == q) return true;
    return false;
}

}  // namespace transition

/// The first fault of the turn from `now` to `next` under `orders`, or empty.
inline QString CheckTransition(const MasterState& now, const TurnOrders& orders,
                               const MasterState& next, const MapFacts& facts,
                               const MoveGraph& graph) {
    using namespace transition;
    MasterState date = now;
    AdvanceDate(date);
    if (next.TurnYear != date.TurnYear || next.TurnOfYear != date.TurnOfYear)
        return QStringLiteral("the turns are not in sequence");
    // Every unit of the next turn is accounted for once.
    std::array<bool, qm::kAreaSlots> explained{};
    for (int p = 1; p <= kPowers; ++p) {
        const PlayerOrders& mine = orders[p];
        int spent = 0;
        auto ordered = [&](const std::vector<int>& list, int a) {
            return std::find(list.begin(), list.end(), a) != list.end();
        };
        std::array<int, qm::kAreaSlots> movedTo{};
        for (const auto& [from, to] : mine.moves) {
            if (now.unitOwner[from] != p || now.unitType[from] == 0)
                return QStringLiteral("player %1 moves no unit of its own from %2")
                    .arg(p)
                    .arg(from);
            if (!graph.CanStep(now.unitType[from], from, to))
                return QStringLiteral("the unit in %1 cannot step to %2").arg(from).arg(to);
            movedTo[from] = to;
        }
        for (const auto& [area, type] : mine.builds) {
            if (now.owner[area] != p || now.unitType[area] != 0 ||
                facts.Supply(area) < qm::UnitKindOf(type)->size ||
                ((type == qm::kFleet || type == qm::kSquadron) && facts.Type(area) != qm::kCoast))
                return QStringLiteral("player %1 cannot build in %2").arg(p).arg(area);
            if (next.unitOwner[area] != p || next.unitType[area] != type)
                return QStringLiteral("the unit built in %1 is not there").arg(area);
            explained[area] = true;
            spent += qm::UnitKindOf(type)->size;
        }
        for (const int a : mine.upgrades) {
            if (now.unitOwner[a] != p || facts.Supply(a) == 0 ||
                (now.unitType[a] != qm::kCorps && now.unitType[a] != qm::kSquadron))
                return QStringLiteral("player %1 cannot upgrade in %2").arg(p).arg(a);
            ++spent;
        }
        if (spent > FreeSupply(now, facts, p))
            return QStringLiteral("player %1 spends more than its supply").arg(p);
        for (int a = 1; a <= qm::kLastArea; ++a) {
            if (now.unitOwner[a] != p || now.unitType[a] == 0) continue;
            const int type =
                ordered(mine.upgrades, a) ? Upgraded(now.unitType[a]) : now.unitType[a];
            const int at = movedTo[a] != 0 ? movedTo[a] : a;
            if (next.unitOwner[at] == p && next.unitType[at] == type && !explained[at]) {
                explained[at] = true;
            } else if (!ordered(mine.removals, a) && !EnemyClose(next, facts, p, at)) {
                return QStringLiteral("player %1's unit from %2 is not in %3")
                    .arg(p)
                    .arg(a)
                    .arg(at);
            }
        }
    }
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (next.unitType[a] != 0 && !explained[a])
            return QStringLiteral("a unit appears in %1 from nowhere").arg(a);
        if (next.owner[a] != now.owner[a] &&
            (next.owner[a] == 0 || next.unitOwner[a] != next.owner[a] || next.unitType[a] == 0))
            return QStringLiteral("area %1 changes hands without a unit of its new owner").arg(a);
    }
    for (int p = 0; p <= now.PlayerCount; ++p)
        for (int q = 0; q <= now.PlayerCount; ++q) {
            const QChar was = now.relations[p][q], is = next.relations[p][q];
            const bool alliance = p <= kPowers && Declared(orders, p, qm::kDeclareAlliance, q);
            if (alliance != (was != is && is == QLatin1Char('A')))
                return QStringLiteral("player %1's alliance with %2 is not as declared")
                    .arg(p)
                    .arg(q);
            if (was == is || is == QLatin1Char('A')) continue;
            const QLatin1String code =
                is == QLatin1Char('W') ? qm::kDeclareWar : qm::kDeclareNeutrality;
            const bool declared = (p >= 1 && p <= kPowers && Declared(orders, p, code, q)) ||
                                  (q >= 1 && q <= kPowers && Declared(orders, q, code, p));
            if (!declared)
                return QStringLiteral("player %1's relation to %2 changes undeclared")
                    .arg(p)
                    .arg(q);
        }
    const bool firstThreeTurns = now.TurnYear == qm::kFirstYear && now.TurnOfYear < 4;
    for (int p = 1; p <= kPowers; ++p)
        for (const auto& [code, q] : orders[p].declarations)
            if ((code == qm::kDeclareWar && (firstThreeTurns || !AtWar(next, p, q))) ||
                (code == qm::kDeclareNeutrality && next.relations[p][q] != QLatin1Char('N')))
                return QStringLiteral("player %1's declaration toward %2 fails").arg(p).arg(q);
    return {};
}

}  // namespace sample
