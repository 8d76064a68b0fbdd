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
/// kept as its name + ".bad" before a Save can replace it. Answers whether orders were restored.
bool ReadWorkingCopy(GameState& game, WindowPort& port, const QString& directory);

/// The orders of a working copy's content restored as ReadWorkingCopy does,
/// without a message; false leaves the game state as it was.
bool RestoreOrders(GameState& game, const QByteArray& data);

}  // namespace qm
