#pragma once
// Declarations of alliance, neutrality and war ("DA", "DN", "DW"): who can
// receive which, the one-declaration-per-player rule, and how they are listed.

#include "orders/ListedOrders.h"

#include <QLatin1String>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

struct GameState;
class WindowPort;

/// The other players sorted by their reported relation to the current player;
/// this turn's declarations move nobody.
struct DeclarationLists {
    std::vector<std::int16_t> allies;    // mutual alliance
    std::vector<std::int16_t> neutrals;  // neither allied nor at war
    std::vector<std::int16_t> enemies;   // at war, by either side's word
};
DeclarationLists DeclarationCandidates(const GameState& game);

/// War cannot be declared on the first turn of a game.
bool WarAllowed(const GameState& game);

/// How a declaration is listed: the code, a blank, the player's name.
QString DeclarationText(const GameState& game, const QString& code, std::int16_t player);

/// This turn's declarations in slot order.
std::vector<OrderEntry> DeclarationOrders(const GameState& game);

/// A declaration toward `player` exists already: says so (plain message) and answers true.
bool AnwAlreadyIssued(const GameState& game, WindowPort& port, std::int16_t player);

/// Records declaration `code` toward `player` unless one exists already (or it
/// is war on the first turn); answers the entry to list.
std::optional<OrderEntry> Declare(GameState& game, WindowPort& port, QLatin1String code,
                                  std::int16_t player);

}  // namespace qm
