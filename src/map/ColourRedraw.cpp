#include "map/ColourRedraw.h"

#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

bool ColourChanged(const DisplaySettings& now, const DisplaySettings& before, int player) {
    if (!IsPlayerNumber(player)) return false;
    const auto index = static_cast<std::size_t>(player);
    return now.CountryColours[index] != before.CountryColours[index];
}

// The cell's fill, or the box of the unit standing in it, may have a new colour.
bool LookChanged(const GameState& game, const MapState& map, const DisplaySettings& before,
                 int column, int row) {
    const HexCell& cell = map.hexes.at(column, row);
    const AreaRecord& area = game.area(IsAreaNumber(cell.Area) ? cell.Area : 0);
    const DisplaySettings& now = map.display;
    const bool unitShown =
        cell.ShowUnit != 0 && area.UnitType >= kArmy && area.UnitType <= kSquadron;
    if (unitShown && ColourChanged(now, before, area.UnitOwner)) return true;
    if (area.AreaType == kWater) return now.WaterColour != before.WaterColour;
    if (area.AreaType == kNoEntry) return now.NoGoColour != before.NoGoColour;
    return ColourChanged(now, before, area.Owner);
}

}  // namespace

void RedrawChangedColours(const GameState& game, MapState& map, WindowPort& port,
                          const DisplaySettings& before) {
    port.SetBusy(true);
    if (map.display.BorderColour != before.BorderColour) {
        RedrawWholeMap(game, map, port);
    } else {
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kColumns; ++column) {
                if (LookChanged(game, map, before, column, row))
                    DrawCell(game, map, column, row, 0, 0);
            }
        }
        const int width = map.geometry.MapWidth();
        for (int row = 1; row <= kRows; ++row) {
            if (LookChanged(game, map, before, 1, row)) DrawCell(game, map, 1, row, width, 0);
        }
    }
    RefreshView(game, map, port);
    port.SetBusy(false);
}

}  // namespace qm
