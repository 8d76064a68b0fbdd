#pragma once
// The one object that owns everything a run keeps: the game state, the map,
// the display settings, the interaction state and the link to the windows.
// Created by main and handed on.

#include "map/DisplaySettings.h"
#include "map/Geometry.h"
#include "map/HexGrid.h"
#include "map/MapPicture.h"
#include "orders/SpyTargets.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/WindowPort.h"

namespace qm {

struct Session {
    explicit Session(WindowPort& windows) : port(windows) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    GameState game;
    Interaction interaction;
    SpyTargets spies;  // the spy window's six cells
    HexGrid hexes;
    bool MapShown = false;  // the map data are loaded
    DisplaySettings display;
    Geometry geometry;  // follows display.HexSize and HexDisplay
    MapPicture picture;
    WindowPort& port;
};

}  // namespace qm
