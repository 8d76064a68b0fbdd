#pragma once
// Where a convoy lands: the chain of convoy orders from the coastal unit that
// is carried, through the carrying fleets and squadrons, to the first area
// that is not water.

#include "state/GameState.h"
#include "state/OrderCodes.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace qm {

struct ConvoyEnd {
    std::int16_t landing = 0;  // 0 when the chain breaks
    std::int16_t breaksAt = 0;
};

/// Follows the chain from `start`; `orderAt(area)` gives the code and target
/// of the order known for an area (the player's own, or an ally's too), as a
/// pair. A chain that runs in a circle breaks.
template <class OrderAt>
ConvoyEnd FollowConvoy(const GameState& game, std::int16_t start, OrderAt orderAt) {
    std::int16_t cur = orderAt(start).second;
    for (int link = 0; link < kLastArea; ++link) {
        if (!IsAreaNumber(cur)) return {0, cur};
        const AreaRecord& area = game.area(cur);
        if (area.AreaType != kWater) return {cur, 0};
        const auto [code, next] = orderAt(cur);
        const bool carries =
            (area.UnitType == kFleet || area.UnitType == kSquadron) && code == kConvoy;
        if (!carries) return {0, cur};
        cur = next;
    }
    return {0, cur};
}

}  // namespace qm
