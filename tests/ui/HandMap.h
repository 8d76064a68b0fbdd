#pragma once
// A small hand-made map for window tests: every area is a run of eight cells
// down the columns (area 273 has none), its first cell carries the number, the
// unit and the supply mark, and area k touches k - 1 and k + 1 only.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace qm::test {

inline int HandMapArea(int column, int row) {
    return std::min(((column - 1) * 31 + (row - 1)) / 8 + 1, 272);
}

/// Supply 2 on every fifth area, coasts on every third, water on every seventh.
inline QByteArray HandMapAreaFile(int playerCount) {
    QStringList lines;
    for (int area = 1; area <= 273; ++area) {
        const int type = area % 7 == 0 ? 3 : area % 3 == 0 ? 2 : 1;
        const int supply = area % 5 == 0 && type != 3 ? 2 : 0;
        QStringList items = {QString::number(type), QString::number(supply)};
        for (int slot = 1; slot <= 14; ++slot) {
            int neighbour = 0;
            if (slot == 1 && area > 1) neighbour = area - 1;
            if (slot == 2 && area < 272) neighbour = area + 1;
            items << QString::number(neighbour);
        }
        items << QStringLiteral("Area_%1").arg(area);
        lines << items.join(u',');
    }
    for (int player = 1; player < playerCount; ++player)
        lines << QStringLiteral("%1,\"Home %2\"").arg(player * 10).arg(player);
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

inline QByteArray HandMapHexFile() {
    QStringList lines;
    for (int column = 1; column <= 70; ++column) {
        for (int row = 1; row <= 31; ++row) {
            const int area = HandMapArea(column, row);
            const bool first = ((column - 1) * 31 + (row - 1)) % 8 == 0;
            const QString flag = first ? QStringLiteral("-1") : QStringLiteral("0");
            lines << QStringLiteral("%1,%2,%3,1,0,0,1,0,0,%4,%4,%4")
                         .arg(column).arg(row).arg(area).arg(flag);
        }
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

}  // namespace qm::test
