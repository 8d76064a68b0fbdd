#pragma once
// Relations between players as the report gives them.

#include <QString>

#include <cstdint>

namespace qm {

struct GameState;

/// Both players hold "A" (either case) toward each other. Players outside
/// 0..12 are never allied.
bool IsMutualAlliance(const GameState& game, std::int16_t a, std::int16_t b);

/// Either player holds "W" (either case) toward the other.
bool IsAtWar(const GameState& game, std::int16_t a, std::int16_t b);

/// The relations table's mark for players i and j: "A" for a mutual alliance,
/// else "W" for a war either side holds, else empty (always empty for i = j).
QString RelationMark(const GameState& game, std::int16_t i, std::int16_t j);

}  // namespace qm
