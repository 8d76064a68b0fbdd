#pragma once
// What the map window's status line says: the order or dialog mode that waits
// for a click, else what the area under the pointer is.

#include "state/LastSeen.h"

#include <QString>

namespace qm {

struct GameState;
struct Interaction;

/// What a click on the map will do while MapMode is set: "MO from 60 Loromark:
/// click the target area, Esc cancels", and likewise for the other modes.
/// Empty when no mode is set.
QString MapModeText(const GameState& game, const Interaction& interaction);

/// The status line: the mode's text, followed by the area under the pointer
/// (0 for none) when there is one.
QString MapStatusText(const GameState& game, const Interaction& interaction, int hoverArea,
                      const LastSeen& lastSeen);

/// True when a move, support or convoy waits for its target; Escape and a right
/// click cancel it. The dialog modes (spy, grant access, victory conditions)
/// end only with their windows.
bool IsTargetPending(const Interaction& interaction);

/// Drops a pending target order without recording anything; false when there was none.
bool CancelPendingOrder(Interaction& interaction);

}  // namespace qm
