#pragma once
// A player's report as the game master sends it: a short preamble, the turn
// header, the player records, and the areas that player can see.

#include "sample/MasterState.h"

#include "state/GameState.h"

#include <QByteArray>
#include <QStringList>

#include <set>

namespace sample {

/// The areas a player sees: those owned, those holding the player's units,
/// and every neighbour of either.
inline std::set<int> VisibleAreas(const MasterState& master, const qm::GameState& map, int player) {
    std::set<int> seen;
    for (int a = 1; a <= qm::kLastArea; ++a) {
        if (master.owner[a] != player && !(master.unitOwner[a] == player && master.unitType[a] > 0))
            continue;
        seen.insert(a);
        for (int slot = 1; slot < qm::kNeighbourSlots; ++slot)
            if (map.area(a).Neighbours[slot] > 0) seen.insert(map.area(a).Neighbours[slot]);
    }
    return seen;
}

inline QByteArray ReportText(const MasterState& master, const qm::GameState& map, int player) {
    const Power& me = master.powers[player];
    QStringList lines;
    lines << QStringLiteral("\"Zez play-by-mail wargame\"");
    lines << QStringLiteral("\"Turn report for %1\"").arg(me.PlayerName);
    lines << QStringLiteral("%1,%2,\"%3\"").arg(master.GameCode).arg(player).arg(me.Ident);
    lines << QStringLiteral("%1,%2").arg(master.TurnYear).arg(master.TurnOfYear);
    lines << QStringLiteral("\"Players\",%1").arg(master.PlayerCount);
    for (int p = 0; p <= master.PlayerCount; ++p) {
        const Power& power = master.powers[p];
        lines << QStringLiteral("%1,\"%2\",%3")
                     .arg(power.ShortName, power.PlayerName, master.relations[p]);
    }
    const std::set<int> seen = VisibleAreas(master, map, player);
    lines << QStringLiteral("Number of Areas =,%1").arg(seen.size());
    for (const int a : seen) {
        lines << QStringLiteral("%1,%2,%3,%4")
                     .arg(a)
                     .arg(master.owner[a])
                     .arg(master.unitOwner[a])
                     .arg(master.unitType[a]);
    }
    lines << QStringLiteral("\"End of report\"");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

}  // namespace sample
