#pragma once
// Walking the command list: the slots in use and the list orders among them.

#include "state/GameState.h"
#include "state/Limits.h"

#include <algorithm>
#include <cstdint>
#include <ranges>

namespace qm {

/// CommandCount, never past the table: it comes from outside data at times.
inline int LastUsedCommandSlot(const GameState& game) {
    return std::clamp<int>(game.CommandCount, 0, kLastCommandSlot);
}

/// Slot numbers `first`..LastUsedCommandSlot.
inline auto CommandSlotsFrom(const GameState& game, int first) {
    const int last = LastUsedCommandSlot(game);
    return std::views::iota(static_cast<std::int16_t>(first),
                            static_cast<std::int16_t>(std::max(first, last + 1)));
}

/// Every slot in use, the spy slots 1 and 2 included.
inline auto UsedCommandSlots(const GameState& game) { return CommandSlotsFrom(game, 1); }

/// The slots of the list orders: 3..CommandCount.
inline auto ListOrderSlots(const GameState& game) { return CommandSlotsFrom(game, kFirstListSlot); }

/// The order in slot `index` (0..100).
inline const CommandRecord& CommandAt(const GameState& game, int index) {
    return game.CommandList[static_cast<std::size_t>(index)];
}

}  // namespace qm
