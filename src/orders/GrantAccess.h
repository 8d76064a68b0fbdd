#pragma once
// Grants of access ("GA"): the current player lets an ally into one of his
// areas, or into all of them (area -1).

#include "orders/ListedOrders.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

struct GameState;
struct Interaction;
struct SpyTargets;
class WindowPort;

/// The players a grant can go to: mutual allies by the report only.
std::vector<std::int16_t> GrantCandidates(const GameState& game);

/// How a saved grant is listed: "GA", the short name, then the area with its
/// sign place after a blank, or " all" for every area.
QString GrantOrderText(const GameState& game, std::int16_t player, std::int16_t area);

/// This turn's grants in slot order.
std::vector<OrderEntry> GrantOrders(const GameState& game);

/// The "Grant" button: with a player chosen, map clicks now feed the area field.
void ArmGrant(Interaction& interaction, WindowPort& port, std::optional<std::int16_t> player);

/// An area entered in the dialog's field (typed, or a map click's number):
/// refused with a stop message without a player, for a text that is no number
/// of the area table 0..273, or for an area not owned (area 0 among them).
/// Answers the entry to list, its text ending in the field's text as entered.
std::optional<OrderEntry> GrantArea(GameState& game, WindowPort& port,
                                    std::optional<std::int16_t> player, const QString& areaText);

/// The "Grant All" button.
std::optional<OrderEntry> GrantAll(GameState& game, WindowPort& port,
                                   std::optional<std::int16_t> player);

/// Closing the window: map clicks stop feeding the field (and spy again while
/// the spy window is open). A mode that another window armed meanwhile stays.
void CloseGrantAccess(Interaction& interaction, const SpyTargets& spies);

}  // namespace qm
