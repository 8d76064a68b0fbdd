#include "orders/ListedOrders.h"

#include "state/CommandSlots.h"
#include "state/GameState.h"

#include <algorithm>

namespace qm {

std::vector<std::int16_t> SlotsOf(const GameState& game,
                                  std::initializer_list<QLatin1String> codes) {
    std::vector<std::int16_t> found;
    for (const std::int16_t j : UsedCommandSlots(game)) {
        const QString& code = CommandAt(game, j).Code;
        if (std::find(codes.begin(), codes.end(), code) != codes.end()) found.push_back(j);
    }
    return found;
}

std::vector<std::int16_t> OtherPlayers(const GameState& game) {
    std::vector<std::int16_t> players;
    const int last = std::min<int>(game.PlayerCount - 1, kLastPlayer);
    for (std::int16_t i = 1; i <= last; ++i)
        if (i != game.CurrentPlayer) players.push_back(i);
    return players;
}

QString PlayerNameOf(const GameState& game, std::int16_t player) {
    return IsPlayerNumber(player) ? game.player(player).PlayerName : QString::number(player);
}

QString ShortNameOf(const GameState& game, std::int16_t player) {
    return IsPlayerNumber(player) ? game.player(player).ShortName : QString::number(player);
}

}  // namespace qm
