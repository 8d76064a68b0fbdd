#pragma once
// A small hand-made map for window tests: every area is a run of eight cells
// down the columns (area 273 has none), its first cell carries the number, the
// unit and the supply mark, and area k touches k - 1 and k + 1 only.

#include <QByteArray>
#include <QStringList>

#include <algorithm>

namespace qm::test {

inline QByteArray CrlfLines(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

/// Supply 2 on every fifth area, coasts on every third, water on every seventh.
inline QByteArray HandMapAreaFile(int playerCount) {
    QStringList lines;
    for (int area = 1; area <= 273; ++area) {
        const int type = area % 7 == 0 ? 3 : area % 3 == 0 ? 2 : 1;
        const int supply = area % 5 == 0 && type != 3 ? 2 : 0;
        const int west = area > 1 ? area - 1 : 0, east = area < 272 ? area + 1 : 0;
        lines << QStringLiteral("%1,%2,%3,%4,0,0,0,0,0,0,0,0,0,0,0,0,Area_%5")
                     .arg(type).arg(supply).arg(west).arg(east).arg(area);
    }
    for (int player = 1; player < playerCount; ++player)
        lines << QStringLiteral("%1,\"Home %2\"").arg(player * 10).arg(player);
    return CrlfLines(lines);
}

inline QByteArray HandMapHexFile() {
    QStringList lines;
    for (int column = 1; column <= 70; ++column) {
        for (int row = 1; row <= 31; ++row) {
            const int cell = (column - 1) * 31 + (row - 1);
            const char* flag = cell % 8 == 0 ? "-1" : "0";
            lines << QStringLiteral("%1,%2,%3,1,0,0,1,0,0,%4,%4,%4")
                         .arg(column).arg(row).arg(std::min(cell / 8 + 1, 272)).arg(flag);
        }
    }
    return CrlfLines(lines);
}

}  // namespace qm::test
