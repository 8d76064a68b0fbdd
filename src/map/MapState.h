#pragma once
// Everything the map keeps for a run: the board of cells, the display
// settings, the geometry built from them and the drawn pictures.

#include "map/DisplaySettings.h"
#include "map/Geometry.h"
#include "map/HexGrid.h"
#include "map/MapPicture.h"
#include "state/LastSeen.h"

namespace qm {

struct MapState {
    HexGrid hexes;
    bool MapShown = false;  // the map data are loaded
    DisplaySettings display;
    Geometry geometry;  // follows display.HexSize and HexDisplay
    MapPicture picture;
    LastSeen lastSeen{};  // what kept reports last showed of the areas not shown now
};

}  // namespace qm
