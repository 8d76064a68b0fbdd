#pragma once
// What the order rules read and change: the game state, the pointer's state,
// the map they redraw and the windows they speak to.

#include "map/MapState.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/WindowPort.h"

namespace qm {

struct OrderContext {
    GameState& game;
    Interaction& interaction;
    MapState& map;
    WindowPort& port;
};

}  // namespace qm
