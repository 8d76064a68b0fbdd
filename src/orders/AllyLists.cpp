#include "orders/AllyLists.h"

#include "orders/CommandList.h"
#include "orders/Diplomacy.h"
#include "orders/ListedOrders.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"

namespace qm {

namespace {

bool IsAlly(const GameState& game, std::int16_t player) {
    return IsMutualAlliance(game, game.CurrentPlayer, player) || HasAllyOrder(game, player);
}

bool IsEnemy(const GameState& game, std::int16_t player) {
    return IsAtWar(game, game.CurrentPlayer, player) || HasWarOrder(game, player);
}

}  // namespace

CallToArmsLists CallToArmsCandidates(const GameState& game) {
    CallToArmsLists lists;
    for (const std::int16_t i : OtherPlayers(game)) {
        if (IsAlly(game, i))
            lists.allies.push_back(i);
        else if (IsEnemy(game, i))
            lists.enemies.push_back(i);
    }
    return lists;
}

std::vector<std::int16_t> SupportAttackCandidates(const GameState& game) {
    std::vector<std::int16_t> allies;
    for (const std::int16_t i : OtherPlayers(game))
        if (IsAlly(game, i)) allies.push_back(i);
    return allies;
}

QString CallToArmsText(const GameState& game, std::int16_t ally, std::int16_t enemy) {
    return kCallToArms + QLatin1Char(' ') + ShortNameOf(game, ally) + QLatin1Char(' ') +
           ShortNameOf(game, enemy);
}

std::vector<CallToArmsEntry> CallToArmsOrders(const GameState& game) {
    std::vector<CallToArmsEntry> entries;
    for (const std::int16_t j : SlotsOf(game, {kCallToArms})) {
        const CommandRecord& slot = CommandAt(game, j);
        entries.push_back({CallToArmsText(game, slot.P[1], slot.P[2]), j});
    }
    return entries;
}

}  // namespace qm
