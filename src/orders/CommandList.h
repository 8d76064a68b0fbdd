#pragma once
// The list of orders that belong to no one area: adding, deleting and the
// queries about declarations entered this turn.

#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

struct GameState;
class WindowPort;

/// Puts the order into the lowest free slot from 3 upward, or into a new slot
/// after CommandCount. Answers the slot, or nothing (and changes nothing) when
/// slots 3..100 are all taken. Shows no message.
std::optional<std::int16_t> PlaceCommand(GameState& game, const QString& code, std::int16_t p1,
                                         std::int16_t p2, std::int16_t p3, std::int16_t p4);

/// PlaceCommand for the dialogs: a full list is refused with a stop message.
std::optional<std::int16_t> AddCommand(GameState& game, WindowPort& port, const QString& code,
                                       std::int16_t p1, std::int16_t p2, std::int16_t p3,
                                       std::int16_t p4);

/// Empties slot `index` (0..100; anything else is ignored). CommandCount stays.
void DeleteCommand(GameState& game, std::int16_t index);

/// An alliance ("DA") toward `player` is among this turn's list orders.
bool HasAllyOrder(const GameState& game, std::int16_t player);

/// A declaration of war ("DW") toward `player` is among this turn's list orders.
bool HasWarOrder(const GameState& game, std::int16_t player);

/// The stop message of a full list.
inline constexpr char16_t kCommandListFull[] =
    u"No room for another order: at most 98 orders besides the spies can be given in a turn";

}  // namespace qm
