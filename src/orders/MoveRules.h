#pragma once
// The queries shared by the orders that point from one area to another.

#include <cstdint>

namespace qm {

struct GameState;
class WindowPort;

/// b is among the neighbours of a (only a's list is searched).
bool IsAdjacent(const GameState& game, std::int16_t a, std::int16_t b);

/// 2 for an army or fleet in area a, 1 for a corps or squadron, 0 for none.
std::int16_t UnitSize(const GameState& game, std::int16_t a);

/// May the unit in area a move (or act) into area b? Refuses with a stop
/// message; warns, and still allows, when b belongs to a player the current
/// player is neither allied with nor at war with, counting this turn's
/// declarations.
bool CheckMove(const GameState& game, WindowPort& port, std::int16_t a, std::int16_t b);

/// Follows the convoy chain that reaches area a back to its coastal start and
/// answers the size of the unit there; 0, after a warning, when no start is
/// found within 10 links.
std::int16_t FindConvoyStart(const GameState& game, WindowPort& port, std::int16_t a);

/// `owner` is one into whose areas the current player may go without a
/// warning: himself, an ally or an enemy, counting this turn's declarations.
bool IsKnownOwner(const GameState& game, std::int16_t owner);

/// The warning for an area of any other owner; the area follows with its sign place.
inline constexpr char16_t kUnknownOwnerWarning[] =
    u"Warning, not allied or at war with owner of area ";

}  // namespace qm
