#pragma once
// The turn check's view of the allies' plans shown: where the player's orders
// and an ally's count on each other and do not meet.

#include "orders/TurnCheck.h"

#include <vector>

namespace qm {

struct GameState;

/// Each finding names both orders, in orders-file words:
/// - a support of an ally's attack that the ally does not make;
/// - an ally's support of an attack of the player's that the player does not make;
/// - the player's move and an ally's into one area;
/// - a convoy that would carry an ally's unit the ally does not send;
/// - an ally's support of the defence of a unit the player moves away.
/// In that order, each kind in area order; nothing without a plan shown.
std::vector<TurnFinding> CheckAllyOrders(const GameState& game);

}  // namespace qm
