
#include "map/SaveHexData.h"

#include "io/AtomicWrite.h"

namespace qm {

QByteArray HexDataText(const HexGrid& grid) {
    QByteArray text;
    text.reserve(kColumns * kRows * 32);
    for (int column = 1; column <= kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row) {
            const HexCell& cell = grid.at(column, row);
            text += QByteArray::number(column) + ',' + QByteArray::number(row) + ',' +
                    QByteArray::number(cell.Area);
            for (int side = 1; side <= 6; ++side)
                text += ',' + QByteArray::number(cell.Border[static_cast<std::size_t>(side)]);
            text += ',' + QByteArray::number(cell.ShowNumber) + ',' +
                    QByteArray::number(cell.ShowUnit) + ',' + QByteArray::number(cell.ShowSupply) +
                    "\r\n";
        }
    }
    return text;
}

bool SaveHexData(const HexGrid& grid, const QString& path) {
    return WriteFileAtomically(path, HexDataText(grid));
}

}  // namespace qm
