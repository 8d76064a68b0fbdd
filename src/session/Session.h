#pragma once
// The one object that owns everything a run keeps: the game state, the map,
// the interaction state and the link to the windows. Created by main and
// handed to the windows; the rules below it take only the parts they use.

#include "files/TurnArchive.h"
#include "map/MapState.h"
#include "orders/OrderContext.h"
#include "orders/OrderHistory.h"
#include "orders/SpyTargets.h"
#include "session/Recovery.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/WindowPort.h"

namespace qm {

struct Session {
    explicit Session(WindowPort& windows) : port(windows) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// The parts the order rules work on.
    OrderContext orders() { return {game, interaction, map, port}; }

    GameState game;
    Interaction interaction;
    SpyTargets spies;      // the spy window's six cells
    OrderHistory history;  // undo and redo of the orders
    MapState map;
    WindowPort& port;
    QString recoveryFolder = DefaultRecoveryFolder();  // ends in a separator
    QString archiveFolder = DefaultArchiveFolder();    // the game's history; ends in one too
};

}  // namespace qm
