#pragma once
// Restoring the orders saved for the turn being opened.

#include <QByteArray>
#include <QString>

namespace qm {

struct GameState;
class WindowPort;

/// Reads directory + "Orders.tmp" (any case; of several, the one written last) and, when it belongs
/// to the loaded game, year and turn, restores its area orders, list orders (into slots 3 upward,
/// in file order) and the two spy slots. A missing file, another turn, or a damaged one (ending
/// before "END", a number that does not fit, an area or player outside the tables, more list orders
/// than fit) restores nothing and shows "No old orders to read in"; a refused file that exists is
/// kept as its name + ".bad" before a Save can replace it, and a notice says so (or that it could
/// not be). The orders of another player (commands.dat of this game under another identification)
/// are not read in either, with a notice. Answers whether orders were restored.
bool ReadWorkingCopy(GameState& game, WindowPort& port, const QString& directory);

/// The message of a turn whose working copy gives no orders.
inline constexpr char16_t kNoOldOrders[] = u"No old orders to read in";
/// Ending of the name a refused working copy is kept under.
inline constexpr QLatin1String kRefusedSuffix{".bad"};

/// Before Save replaces ReportDir's working copy: one that this turn's orders
/// could not come from is kept aside (if it is not already); when that fails,
/// says so and answers false, and Save must not go on.
bool KeepRefusedWorkingCopy(const GameState& game, WindowPort& port);

/// The orders of a working copy's content restored as ReadWorkingCopy does,
/// without a message; false leaves the game state as it was.
bool RestoreOrders(GameState& game, const QByteArray& data);

}  // namespace qm
