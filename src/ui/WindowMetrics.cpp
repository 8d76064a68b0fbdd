#include "ui/WindowMetrics.h"

#include <QHeaderView>
#include <QTableWidget>

namespace qm {

void ConfigureFixedGrid(QTableWidget& grid) {
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.horizontalHeader()->setMinimumSectionSize(1);
    grid.verticalHeader()->setMinimumSectionSize(1);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setWordWrap(false);
}

QTableWidgetItem* FixedCell(const QTableWidget& grid, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(grid.palette().button());
    item->setForeground(grid.palette().buttonText());
    return item;
}

void FitGrid(QTableWidget& grid) {
    int width = 2 * grid.frameWidth();
    for (int column = 0; column < grid.columnCount(); ++column) width += grid.columnWidth(column);
    int height = 2 * grid.frameWidth();
    for (int row = 0; row < grid.rowCount(); ++row) height += grid.rowHeight(row);
    grid.setFixedSize(width, height);
}

}  // namespace qm
