#pragma once
// Relations between players as the report gives them.

#include <cstdint>

namespace qm {

struct GameState;

/// Both players hold "A" (either case) toward each other. Players outside
/// 0..12 are never allied.
bool IsMutualAlliance(const GameState& game, std::int16_t a, std::int16_t b);

/// Either player holds "W" (either case) toward the other.
bool IsAtWar(const GameState& game, std::int16_t a, std::int16_t b);

}  // namespace qm
