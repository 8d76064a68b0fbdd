#include "ui/WindowMetrics.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>

#include <algorithm>

namespace qm {

QRect MapWindowPlacement(const QRect& available, int outerTop, const QMargins& frame,
                         int wantedWidth, int minHeight) {
    const int frameHeight = frame.top() + frame.bottom();
    const int bottom = available.y() + available.height();
    // Keep the window on the screen even below a main window that fills it.
    const int top = std::clamp(outerTop, available.y(),
                               std::max(available.y(), bottom - minHeight - frameHeight));
    const int height = std::max(bottom - top - frameHeight, minHeight);
    const int width =
        std::max(std::min(wantedWidth, available.width() - frame.left() - frame.right()), 1);
    return {available.x() + frame.left(), top + frame.top(), width, height};
}

QPushButton* MakeCloseButton(QWidget& window) {
    auto* button = new QPushButton(QStringLiteral("Close"), &window);
    button->setObjectName(QStringLiteral("cmdClose"));
    button->setAutoDefault(false);
    // close(), not reject(): windows that write their orders on closing do so.
    QObject::connect(button, &QPushButton::clicked, &window, &QWidget::close);
    return button;
}

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

int NamesColumnWidth(const QTableWidget& grid, const QStringList& texts) {
    QStyleOptionViewItem option;
    option.initFrom(&grid);
    option.font = grid.font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignCenter;
    int width = 0;
    for (const QString& text : texts) {
        option.text = text;
        const QSize size =
            grid.style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &grid);
        width = std::max(width, size.width());
    }
    return width + (grid.showGrid() ? 1 : 0);
}

}  // namespace qm
