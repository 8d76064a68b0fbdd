#include "orders/AllyLists.h"

#include "orders/CommandList.h"
#include "orders/Diplomacy.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"

#include <algorithm>

namespace qm {

namespace {

bool IsAlly(const GameState& game, std::int16_t player) {
    return IsMutualAlliance(game, game.CurrentPlayer, player) || HasAllyOrder(game, player);
}

bool IsEnemy(const GameState& game, std::int16_t player) {
    return IsAtWar(game, game.CurrentPlayer, player) || HasWarOrder(game, player);
}

// The players taking part, never more than the table holds.
int LastPlayer(const GameState& game) { return std::min<int>(game.PlayerCount - 1, kLastPlayer); }

QString ShortNameOf(const GameState& game, std::int16_t player) {
    return IsPlayerNumber(player) ? game.player(player).ShortName : QString::number(player);
}

}  // namespace

CallToArmsLists CallToArmsCandidates(const GameState& game) {
    CallToArmsLists lists;
    for (std::int16_t i = 1; i <= LastPlayer(game); ++i) {
        if (i == game.CurrentPlayer) continue;
        if (IsAlly(game, i))
            lists.allies.push_back(i);
        else if (IsEnemy(game, i))
            lists.enemies.push_back(i);
    }
    return lists;
}

std::vector<std::int16_t> SupportAttackCandidates(const GameState& game) {
    std::vector<std::int16_t> allies;
    for (std::int16_t i = 1; i <= LastPlayer(game); ++i)
        if (i != game.CurrentPlayer && IsAlly(game, i)) allies.push_back(i);
    return allies;
}

QString CallToArmsText(const GameState& game, std::int16_t ally, std::int16_t enemy) {
    return kCallToArms + QLatin1Char(' ') + ShortNameOf(game, ally) + QLatin1Char(' ') +
           ShortNameOf(game, enemy);
}

std::vector<CallToArmsEntry> CallToArmsOrders(const GameState& game) {
    std::vector<CallToArmsEntry> entries;
    const int last = std::clamp<int>(game.CommandCount, 0, kLastCommandSlot);
    for (std::int16_t j = 1; j <= last; ++j) {
        const CommandRecord& slot = game.CommandList[static_cast<std::size_t>(j)];
        if (slot.Code != kCallToArms) continue;
        entries.push_back({CallToArmsText(game, slot.P[1], slot.P[2]), j});
    }
    return entries;
}

}  // namespace qm
