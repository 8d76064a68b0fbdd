#include "orders/Declarations.h"

#include "orders/CommandList.h"
#include "orders/Diplomacy.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/TurnRules.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

std::vector<std::int16_t> DeclarationSlots(const GameState& game) {
    return SlotsOf(game, {kDeclareAlliance, kDeclareNeutrality, kDeclareWar});
}

}  // namespace

DeclarationLists DeclarationCandidates(const GameState& game) {
    DeclarationLists lists;
    for (const std::int16_t i : OtherPlayers(game)) {
        if (IsMutualAlliance(game, game.CurrentPlayer, i))
            lists.allies.push_back(i);
        else if (IsAtWar(game, game.CurrentPlayer, i))
            lists.enemies.push_back(i);
        else
            lists.neutrals.push_back(i);
    }
    return lists;
}

bool WarAllowed(const GameState& game) { return !IsFirstTurn(game); }

QString DeclarationText(const GameState& game, const QString& code, std::int16_t player) {
    return code + QLatin1Char(' ') + PlayerNameOf(game, player);
}

std::vector<OrderEntry> DeclarationOrders(const GameState& game) {
    std::vector<OrderEntry> entries;
    for (const std::int16_t j : DeclarationSlots(game)) {
        const CommandRecord& slot = CommandAt(game, j);
        entries.push_back({DeclarationText(game, slot.Code, slot.P[1]), j});
    }
    return entries;
}

bool AnwAlreadyIssued(const GameState& game, WindowPort& port, std::int16_t player) {
    for (const std::int16_t j : DeclarationSlots(game)) {
        if (CommandAt(game, j).P[1] != player) continue;
        port.ShowMessage(
            QStringLiteral("ANW command has already been issued for ") + PlayerNameOf(game, player),
            MessageIcon::None);
        return true;
    }
    return false;
}

std::optional<OrderEntry> Declare(GameState& game, WindowPort& port, QLatin1String code,
                                  std::int16_t player) {
    if (code == kDeclareWar && !WarAllowed(game)) return std::nullopt;
    if (AnwAlreadyIssued(game, port, player)) return std::nullopt;
    const auto index = AddCommand(game, port, code, player, 0, 0, 0);
    if (!index) return std::nullopt;
    return OrderEntry{DeclarationText(game, code, player), *index};
}

}  // namespace qm
