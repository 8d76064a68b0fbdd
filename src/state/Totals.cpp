#include "state/Totals.h"

#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/UnitTypes.h"

#include <algorithm>
#include <limits>

namespace qm {

namespace {

// The loaders bound every table value, so these sums stay far inside 16 bits;
// the clamp only keeps a corrupt table from wrapping.
std::int16_t To16(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

Totals ComputeTotals(const GameState& game) {
    int counts[5] = {};
    int land = 0, water = 0, maxSupply = 0, freeSupply = 0;
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (area.Owner == game.CurrentPlayer) {
            maxSupply += area.Supply;
            freeSupply += area.Supply;
            (area.AreaType == kWater ? water : land) += 1;
        }
        if (IsOwnUnit(area, game.CurrentPlayer)) {
            counts[area.UnitType] += 1;
            freeSupply -= UnitTypeSize(area.UnitType);
        }
        freeSupply -= ChargeOf(area, game.CurrentPlayer);
    }
    Totals totals;
    totals.ArmyCount = To16(counts[kArmy]);
    totals.CorpsCount = To16(counts[kCorps]);
    totals.FleetCount = To16(counts[kFleet]);
    totals.SquadronCount = To16(counts[kSquadron]);
    totals.LandAreaCount = To16(land);
    totals.WaterAreaCount = To16(water);
    totals.MaxSupply = To16(maxSupply);
    totals.FreeSupply = To16(freeSupply);
    return totals;
}

}  // namespace qm
