#pragma once
// The current player's unit and supply totals shown in the summary window.

#include <cstdint>

namespace qm {

struct GameState;

struct Totals {
    std::int16_t ArmyCount = 0;
    std::int16_t CorpsCount = 0;
    std::int16_t FleetCount = 0;
    std::int16_t SquadronCount = 0;
    std::int16_t LandAreaCount = 0;
    std::int16_t WaterAreaCount = 0;
    std::int16_t MaxSupply = 0;
    std::int16_t FreeSupply = 0;

    bool operator==(const Totals&) const = default;
};

/// Counts the current player's units and areas and the free supply left after
/// upkeep and the pending unit orders. A plain function of the state.
Totals ComputeTotals(const GameState& game);

}  // namespace qm
