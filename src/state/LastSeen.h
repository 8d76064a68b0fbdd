#pragma once
// What earlier reports last showed of the areas the loaded one does not show.

#include "state/Limits.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qm {

struct GameState;

/// One area as an earlier report showed it; year 0 when none did.
struct Sighting {
    std::int16_t year = 0;
    std::int16_t turnOfYear = 0;
    std::int16_t owner = 0;
    std::int16_t unitOwner = 0;
    std::int16_t unitType = kNoUnit;
    bool Seen() const { return year != 0; }
};

using LastSeen = std::array<Sighting, kAreaSlots>;

/// "last seen 1882.1: owner TIRV, TIRV army" (short names of the loaded
/// report); empty for an area never seen.
QString SightingText(const GameState& game, const Sighting& sighting);

}  // namespace qm
