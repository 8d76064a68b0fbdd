#include "map/ColourRedraw.h"

#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

bool FillChanged(const GameState& game, const MapState& map, const DisplaySettings& before,
                 int column, int row) {
    const std::int16_t number = map.hexes.at(column, row).Area;
    const AreaRecord& area = game.area(IsAreaNumber(number) ? number : 0);
    if (area.AreaType == kWater) return map.display.WaterColour != before.WaterColour;
    if (area.AreaType == kNoEntry || !IsPlayerNumber(area.Owner)) return false;
    const auto owner = static_cast<std::size_t>(area.Owner);
    return map.display.CountryColours[owner] != before.CountryColours[owner];
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
                if (FillChanged(game, map, before, column, row))
                    DrawCell(game, map, column, row, 0, 0);
            }
        }
        const int width = map.geometry.MapWidth();
        for (int row = 1; row <= kRows; ++row) {
            if (FillChanged(game, map, before, 1, row)) DrawCell(game, map, 1, row, width, 0);
        }
    }
    RefreshView(game, map, port);
    port.SetBusy(false);
}

}  // namespace qm
