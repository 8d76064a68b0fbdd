#include "orders/MapKeys.h"

#include "map/HexSearch.h"

namespace qm {

std::int16_t StepTarget(const GameState& game, const MapState& map, std::int16_t source,
                        std::int16_t target, int dx, int dy) {
    const std::int16_t from = target != 0 ? target : source;
    std::int16_t next = NeighbourToward(game, map, from, dx, dy);
    if (next == 0) next = source;
    return next == source ? 0 : next;
}

}  // namespace qm
