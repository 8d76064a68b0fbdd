#pragma once
// What the order dialogs list: the other players and this turn's list orders
// of the codes a dialog owns, each entry carrying its command slot.

#include <QLatin1String>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace qm {

struct GameState;

/// One list order as a dialog lists it.
struct OrderEntry {
    QString text;
    std::int16_t index;  // its command list slot
    bool operator==(const OrderEntry&) const = default;
};

/// Slots 1..CommandCount (never past the table) holding one of `codes`, in slot order.
std::vector<std::int16_t> SlotsOf(const GameState& game,
                                  std::initializer_list<QLatin1String> codes);

/// The players taking part, 1..PlayerCount-1 within the table, without the current player.
std::vector<std::int16_t> OtherPlayers(const GameState& game);

/// A player's full or short name; a number outside the table shows as the number.
QString PlayerNameOf(const GameState& game, std::int16_t player);
QString ShortNameOf(const GameState& game, std::int16_t player);

}  // namespace qm
