#pragma once
// File > Show Ally's Orders: an ally's orders file of the loaded turn, taken
// among the plans shown beside the player's own orders.

#include <QString>

namespace qm {

struct Session;

/// Reads the commands.dat at `path` (and the orders.tmp beside it), finds
/// whose orders they are (asking when that is not clear) and shows them. A
/// file that cannot be read, is no orders file, or holds the orders of
/// another game, another turn or the player himself is refused with its
/// message and changes nothing. True when the orders are shown.
bool ShowAllyOrders(Session& session, const QString& path);

inline constexpr char16_t kAllyUnreadable[] = u"The orders file %1 cannot be read";
inline constexpr char16_t kNotAnOrdersFile[] = u"%1 is not an orders file (%2)";
inline constexpr char16_t kAllyOtherGame[] = u"These are orders of game %1, not of this game (%2)";
inline constexpr char16_t kAllyOtherTurn[] =
    u"These are orders for turn %1, not for the turn loaded (%2)";
inline constexpr char16_t kOwnOrders[] =
    u"These are your own orders; only an ally's orders are shown beside yours";
inline constexpr char16_t kWhoseOrders[] = u"Whose orders are these?";
inline constexpr char16_t kAllyOrdersShown[] = u"%1's orders shown beside yours: %2";

}  // namespace qm
