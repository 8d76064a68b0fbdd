#include "map/UnitDisplay.h"

#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/MapState.h"
#include "state/WindowPort.h"

namespace qm {

bool SetUnitDisplay(const GameState& game, MapState& map, WindowPort& port, std::int16_t display) {
    if (map.picture.UnitDisplay == display) return false;
    map.picture.UnitDisplay = display;
    port.SetBusy(true);
    RedrawWholeMap(game, map, port);
    RefreshView(game, map, port);
    port.SetBusy(false);
    return true;
}

}  // namespace qm
