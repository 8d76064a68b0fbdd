#pragma once
// Fixed table bounds and the reserved numbers of the game.

#include <cstdint>

namespace qm {

inline constexpr int kLastArea = 273;  // areas 1..273; record 0 unused
inline constexpr int kAreaSlots = kLastArea + 1;
inline constexpr int kLastPlayer = 12;  // players 0..12; 0 is neutral
inline constexpr int kPlayerSlots = kLastPlayer + 1;
inline constexpr int kRelationSlots = 21;     // relations 0..20
inline constexpr int kLastCommandSlot = 100;  // command slots 0..100
inline constexpr int kCommandSlots = kLastCommandSlot + 1;
inline constexpr int kFirstListSlot = 3;    // 1 and 2 hold the spies
inline constexpr int kNeighbourSlots = 15;  // neighbours in 1..14

inline constexpr std::int16_t kUnseenOwner = 12;   // the report does not show the area
inline constexpr std::int16_t kNeutralArea = 273;  // always owned by the neutral player
inline constexpr std::int16_t kFirstYear = 1880;

// Unit types.
inline constexpr std::int16_t kNoUnit = 0;
inline constexpr std::int16_t kArmy = 1;
inline constexpr std::int16_t kCorps = 2;
inline constexpr std::int16_t kFleet = 3;
inline constexpr std::int16_t kSquadron = 4;

// Terrain types; anything else is no-entry.
inline constexpr std::int16_t kLand = 1;
inline constexpr std::int16_t kCoast = 2;
inline constexpr std::int16_t kWater = 3;
inline constexpr std::int16_t kNoEntry = 4;

inline bool IsAreaNumber(int area) { return area >= 1 && area <= kLastArea; }
inline bool IsPlayerNumber(int player) { return player >= 0 && player <= kLastPlayer; }

}  // namespace qm
