#pragma once
// A quick picture of the generated world, for the map's author to look at.

#include "world/World.h"

#include "map/Geometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace world {

inline QImage PreviewImage(const World& world, const qm::HexGrid& grid) {
    qm::Geometry g;
    qm::BuildGeometryTables(g, 16, -1);
    QImage image(g.MapWidth(), g.MapPixelHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    static const QColor landColours[] = {QColor(196, 214, 150), QColor(222, 204, 150),
                                         QColor(180, 200, 120), QColor(214, 190, 130),
                                         QColor(170, 190, 140), QColor(230, 220, 170)};
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const qm::HexCell& cell = grid.at(c, r);
            const WorldArea& area = world.areas[cell.Area];
            QColor fill = area.type == qm::kWater     ? QColor(150, 190, 230)
                          : area.type == qm::kNoEntry ? QColor(90, 90, 90)
                                                      : landColours[cell.Area % 6];
            if (area.home) fill = QColor(230, 150, 150);
            const auto p = qm::CellOutline(g, c, r);
            painter.setPen(fill);
            painter.setBrush(fill);
            painter.drawPolygon(QPolygon({p[0], p[1], p[2], p[3], p[4], p[5]}));
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const qm::HexCell& cell = grid.at(c, r);
            const auto p = qm::CellOutline(g, c, r);
            for (int side = 1; side <= 6; ++side)
                if (cell.Border[side]) painter.drawLine(p[side - 1], p[side % 6]);
        }
    }
    QFont font;
    font.setPixelSize(9);
    painter.setFont(font);
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const qm::HexCell& cell = grid.at(c, r);
            if (!cell.ShowUnit) continue;
            const auto p = qm::CellOutline(g, c, r);
            const QRect box(p[5].x(), p[0].y(), p[2].x() - p[5].x(), p[4].y() - p[0].y());
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignCenter, QString::number(cell.Area));
            const int supply = world.areas[cell.Area].supply;
            if (supply > 0) {
                painter.setBrush(supply == 3 ? Qt::red : supply == 2 ? Qt::darkYellow : Qt::white);
                painter.drawEllipse(QPoint(p[1].x(), p[0].y() + 5), 1 + supply, 1 + supply);
            }
        }
    }
    return image;
}

}  // namespace world
