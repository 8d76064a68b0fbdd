#include "orders/CommandList.h"

#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/WindowPort.h"

#include <algorithm>

namespace qm {

namespace {

bool HasDeclaration(const GameState& game, QLatin1String code, std::int16_t player) {
    for (const int i : UsedCommandSlots(game)) {
        const CommandRecord& slot = CommandAt(game, i);
        if (slot.Code == code && slot.P[1] == player) return true;
    }
    return false;
}

}  // namespace

std::optional<std::int16_t> PlaceCommand(GameState& game, const QString& code, std::int16_t p1,
                                         std::int16_t p2, std::int16_t p3, std::int16_t p4) {
    int index = 0;
    for (const int i : ListOrderSlots(game)) {
        if (CommandAt(game, i).IsEmpty()) {
            index = i;
            break;
        }
    }
    if (index == 0) {
        // Before a report sets CommandCount to 2 the spy slots must still stay reserved.
        index = std::max(LastUsedCommandSlot(game) + 1, kFirstListSlot);
        if (index > kLastCommandSlot) return std::nullopt;
        game.CommandCount = static_cast<std::int16_t>(index);
    }
    CommandRecord& slot = game.CommandList[static_cast<std::size_t>(index)];
    slot.Code = code;
    slot.P = {0, p1, p2, p3, p4};
    MarkOrdersChanged(game);
    return static_cast<std::int16_t>(index);
}

std::optional<std::int16_t> AddCommand(GameState& game, WindowPort& port, const QString& code,
                                       std::int16_t p1, std::int16_t p2, std::int16_t p3,
                                       std::int16_t p4) {
    const auto index = PlaceCommand(game, code, p1, p2, p3, p4);
    if (!index) port.ShowMessage(QString::fromUtf16(kCommandListFull), MessageIcon::Stop);
    return index;
}

void DeleteCommand(GameState& game, std::int16_t index) {
    if (index < 0 || index > kLastCommandSlot) return;
    game.CommandList[static_cast<std::size_t>(index)] = CommandRecord{};
    MarkOrdersChanged(game);
}

bool HasAllyOrder(const GameState& game, std::int16_t player) {
    return HasDeclaration(game, kDeclareAlliance, player);
}

bool HasWarOrder(const GameState& game, std::int16_t player) {
    return HasDeclaration(game, kDeclareWar, player);
}

}  // namespace qm
