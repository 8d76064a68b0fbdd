#pragma once
// Where the six spy targets of a turn are kept: command slot 1 holds the
// first four in P1..P4, slot 2 the last two in P1 and P2.

#include "state/GameState.h"

#include <array>
#include <cstdint>

namespace qm {

inline constexpr int kSpyTargetCount = 6;
inline constexpr std::array<int, 2> kSpySlots{1, 2};

/// The slot and parameter of one spy target.
struct SpyPlace {
    int slot;
    int parameter;
};

/// The places of spy targets 0..5, in their order.
inline constexpr std::array<SpyPlace, kSpyTargetCount> kSpyPlaces{
    {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}}};

/// Spy target k (0..5) as the command list holds it; 0 or less is none.
inline std::int16_t SpyTargetOf(const GameState& game, int k) {
    const SpyPlace place = kSpyPlaces[static_cast<std::size_t>(k)];
    return game.CommandList[static_cast<std::size_t>(place.slot)]
        .P[static_cast<std::size_t>(place.parameter)];
}

}  // namespace qm
