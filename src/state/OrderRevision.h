#pragma once
// Whether the orders changed since they were last saved or restored. Every
// change of the orders (area orders, list orders, spies) calls
// MarkOrdersChanged; Save and the restoring of a working copy call
// MarkOrdersKept. The recovery copy keeps its own mark.

#include "state/GameState.h"

namespace qm {

inline void MarkOrdersChanged(GameState& game) { ++game.Revision.current; }
inline void MarkOrdersKept(GameState& game) { game.Revision.kept = game.Revision.current; }
inline bool OrdersChanged(const GameState& game) {
    return game.Revision.current != game.Revision.kept;
}

}  // namespace qm
