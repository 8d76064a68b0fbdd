#pragma once
// The text of the orders file that goes to the game master and of the
// working copy this program reads back, byte for byte.

#include <QByteArray>

namespace qm {

struct GameState;

/// commands.dat: the orders between "KVOSTART" and "KVOEND", CR LF lines.
QByteArray CommandsFileText(const GameState& game);

/// orders.tmp: the same orders, numbers set in 14-character print zones, up to "END".
QByteArray WorkingCopyText(const GameState& game);

}  // namespace qm
