#pragma once
// The two map data files: map-area.dat (areas: type, supply, neighbours,
// names, home areas) and map-hex.dat (the board's cells).

#include "map/HexGrid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm {

struct Session;

inline constexpr char kAreaFileName[] = "map-area.dat";
inline constexpr char kHexFileName[] = "map-hex.dat";

/// The folder an installed program keeps its map data in, ending in a separator.
QString InstalledDataDir();

/// Reads map-area.dat, then map-hex.dat, each from ProgramDir or else from the
/// installed data folder, into the areas' map fields and the board, and sets
/// MapShown. The home section is counted with the loaded report's PlayerCount.
/// A missing or damaged file is reported with a stop message naming the file
/// and the record; then nothing changes and the answer is false.
bool LoadMapData(Session& session);

/// The same, each file looked up in the given folders in turn (names matched
/// without regard to case).
bool LoadMapData(Session& session, const QStringList& folders);

/// The board in the map-hex.dat layout: one cell a line, column by column.
QByteArray HexDataText(const HexGrid& grid);

/// Writes the board to path, replacing the file only once the whole text is
/// written; answers whether it worked.
bool SaveHexData(const HexGrid& grid, const QString& path);

}  // namespace qm
