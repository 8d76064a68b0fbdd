#pragma once
// Writing the board back to map-hex.dat, for the hex editor.

#include "map/HexGrid.h"

#include <QByteArray>
#include <QString>

namespace qm {

/// The board in the map-hex.dat layout: one cell a line, column by column.
QByteArray HexDataText(const HexGrid& grid);

/// Writes the board to path, replacing the file only once the whole text is
/// written; answers whether it worked.
bool SaveHexData(const HexGrid& grid, const QString& path);

}  // namespace qm
