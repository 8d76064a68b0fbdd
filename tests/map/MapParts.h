#pragma once
// The game, the map and the window link, named as in Session, for the map tests.

#include "map/MapState.h"
#include "support/GameAndPort.h"

namespace qm::test {

struct MapParts : GameAndPort {
    using GameAndPort::GameAndPort;
    MapState map;
};

}  // namespace qm::test
