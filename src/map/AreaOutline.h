#pragma once
// Where an area's cells lie in the map view, for marking the area on top of
// the view (the source of an order that waits for its target).

#include <QPolygon>

#include <vector>

namespace qm {

struct GameState;
struct MapState;

/// The outlines of the area's cells in view pixels, each also one board width
/// east and west so that an area on the wrap shows on both sides; only the
/// outlines that touch the view. Empty for no area or before the map loads.
std::vector<QPolygon> AreaCellsInView(const GameState& game, const MapState& map, int area);

}  // namespace qm
