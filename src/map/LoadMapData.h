#pragma once
// Reading the two map data files: map-area.dat (areas: type, supply,
// neighbours, names, home areas) and map-hex.dat (the board's cells).

#include "map/HexGrid.h"
#include "state/AreaRecord.h"
#include "state/Limits.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

inline constexpr char kAreaFileName[] = "map-area.dat";
inline constexpr char kHexFileName[] = "map-hex.dat";

/// The folder an installed program keeps its map data in, ending in a separator.
QString InstalledDataDir();

/// Reads map-area.dat, then map-hex.dat, each from ProgramDir or else from the
/// installed data folder, into the areas' map fields and the board, and sets
/// MapShown. The home section is counted with the loaded report's PlayerCount.
/// A missing or damaged file is reported with a stop message naming the file
/// and the record; then nothing changes and the answer is false.
bool LoadMapData(GameState& game, MapState& map, WindowPort& port);

using AreaTableCopy = std::array<AreaRecord, kAreaSlots>;

/// Fills the map fields of every area and the home flags (playerCount - 1
/// home records) from map-area.dat's content; answers what was wrong, in
/// words naming the record and item, or nothing. On an error areas may be
/// half filled: the caller works on a copy.
QString ParseAreaData(const QByteArray& data, std::int16_t playerCount, AreaTableCopy& areas);

/// Fills the board from map-hex.dat's content, each cell placed by its place
/// in the file, and widens the areas' bounding boxes; answers as ParseAreaData.
QString ParseHexData(const QByteArray& data, HexGrid& grid, AreaTableCopy& areas);

/// The same, each file looked up in the given folders in turn (names matched
/// without regard to case).
bool LoadMapData(GameState& game, MapState& map, WindowPort& port, const QStringList& folders);

}  // namespace qm
