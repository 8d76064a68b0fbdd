#pragma once
// Finding cells: the cell under a point of the map view, and an area's unit cell.

#include "map/HexPosition.h"

#include <QPoint>

#include <cstdint>
#include <functional>
#include <optional>

namespace qm {

struct DisplaySettings;
struct GameState;
struct MapState;
struct Geometry;
struct HexGrid;

/// The cell under the point (x, y) of the visible view, with the view origin
/// MapX, MapY. Points beyond the board's east or west edge wrap around, and so
/// do rows (the empty top half row of a shifted column gives row 31). No cell
/// only while the geometry tables have not been built.
std::optional<HexPosition> HexAtPoint(const Geometry& geometry, const DisplaySettings& display,
                                      float x, float y);

/// The area's unit cell (ShowUnit -1), searched column by column within the
/// area's bounding box; no cell for an area without one.
std::optional<HexPosition> FindHexOfArea(const GameState& game, const HexGrid& hexes, int area);

/// Calls `visit(column, row)` for every cell of the area, row by row within
/// the area's bounding box (kept on the board whatever the file said).
void ForEachCellOfArea(const GameState& game, const HexGrid& hexes, int area,
                       const std::function<void(int column, int row)>& visit);

/// The middle of the area's unit cell on the board (its corners' mean);
/// nothing for an area without one.
std::optional<QPoint> UnitCellCentre(const GameState& game, const MapState& map, int area);

/// Of the areas beside `from`, the one whose unit cell lies most nearly in
/// the direction (dx, dy) of the view (x east, y south), across the east-west
/// wrap; 0 when none lies that way at all.
std::int16_t NeighbourToward(const GameState& game, const MapState& map, std::int16_t from, int dx,
                             int dy);

}  // namespace qm
