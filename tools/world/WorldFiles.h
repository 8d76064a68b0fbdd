#pragma once
// The world as the program reads it: the board of cells with their borders and
// labels, and the two map data files.

#include "world/World.h"

#include "map/LoadMapData.h"
#include "map/SaveHexData.h"

#include <QSaveFile>

namespace world {

/// Cells with their area, a border on every side facing another area, and the
/// number, unit and supply labels in each area's unit cell.
inline qm::HexGrid MakeGrid(const World& world) {
    qm::HexGrid grid;
    for (int cell = 0; cell < kCells; ++cell) {
        qm::HexCell& out = grid.at(ColumnOf(cell), RowOf(cell));
        const int area = world.areaOf[cell];
        out.Area = static_cast<std::int16_t>(area);
        for (int side = 1; side <= 6; ++side) {
            const int next = Adjacent()[cell][side - 1];
            out.Border[side] = next >= 0 && world.areaOf[next] != area ? 1 : 0;
        }
        if (world.areas[area].unitCell == cell) {
            out.ShowUnit = -1;
            out.ShowNumber = -1;
            out.ShowSupply = world.areas[area].supply > 0 ? -1 : 0;
        }
    }
    return grid;
}

/// map-area.dat: 273 records of 17 items, then the home section.
inline QByteArray AreaFileText(const World& world) {
    QByteArray text;
    for (int a = 1; a <= qm::kLastArea; ++a) {
        const WorldArea& area = world.areas[a];
        text += QByteArray::number(area.type) + ',' + QByteArray::number(area.supply);
        for (int slot = 0; slot < 14; ++slot) {
            const int n =
                slot < static_cast<int>(area.neighbours.size()) ? area.neighbours[slot] : 0;
            text += ',' + QByteArray::number(n);
        }
        text += ',' + QString(area.name).replace(' ', '_').toLatin1() + "\r\n";
    }
    for (const int home : world.homes)
        text += QByteArray::number(home) + ',' +
                QString(world.areas[home].name).replace(' ', '_').toLatin1() + "\r\n";
    return text;
}

inline bool WriteWorld(const World& world, const qm::HexGrid& grid, const QString& folder) {
    QSaveFile areaFile(folder + qm::kAreaFileName);
    if (!areaFile.open(QIODevice::WriteOnly)) return false;
    areaFile.write(AreaFileText(world));
    if (!areaFile.commit()) return false;
    return qm::SaveHexData(grid, folder + qm::kHexFileName);
}

}  // namespace world
