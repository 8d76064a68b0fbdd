#include "ui/AreaGridView.h"

#include "state/RefreshDisplay.h"
#include "ui/AreaGridModel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int kVisibleGridRows = 8;  // the heading and seven areas

int SampleWidth(const QFontMetrics& metrics, const char* sample) {
    return metrics.horizontalAdvance(QString::fromLatin1(sample)) + 4;
}

}  // namespace

AreaGridView BuildAreaGridView(QWidget* parent, AreaGridModel* model) {
    auto* central = new QWidget(parent);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* grdArea = new QTableView(central);
    grdArea->setObjectName(QStringLiteral("grdArea"));
    grdArea->setModel(model);
    grdArea->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdArea->setSelectionMode(QAbstractItemView::SingleSelection);
    grdArea->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdArea->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grdArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdArea->verticalHeader()->hide();
    grdArea->setWordWrap(false);

    const QFontMetrics metrics(grdArea->font());
    const int rowHeight = metrics.height() + 4;
    QHeaderView* heading = grdArea->horizontalHeader();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setHighlightSections(false);
    heading->setFixedHeight(rowHeight);
    grdArea->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdArea->verticalHeader()->setDefaultSectionSize(rowHeight);
    grdArea->verticalHeader()->setMinimumSectionSize(1);

    int columnsWidth = 0;
    int areaGroup = 0, unitGroup = 0;
    for (int column = 0; column < kAreaColumnCount; ++column) {
        const int width = SampleWidth(metrics, AreaGridModel::kWidthSamples[column]);
        grdArea->setColumnWidth(column, width);
        columnsWidth += width;
        if (column <= kColSupply)
            areaGroup += width;
        else if (column <= kColUnitType)
            unitGroup += width;
    }
    const int frame = 2 * grdArea->frameWidth();
    const int scrollBar =
        grdArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdArea);
    // The designed size is the least; the grid grows with the window.
    grdArea->setMinimumSize(columnsWidth + frame + scrollBar, kVisibleGridRows * rowHeight + frame);
    grdArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grdArea->setMouseTracking(true);  // hovering a row describes its area

    auto* grdAreaTitle = new QTableWidget(1, 3, central);
    grdAreaTitle->setObjectName(QStringLiteral("grdAreaTitle"));
    grdAreaTitle->horizontalHeader()->hide();
    grdAreaTitle->verticalHeader()->hide();
    grdAreaTitle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAreaTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAreaTitle->setSelectionMode(QAbstractItemView::NoSelection);
    grdAreaTitle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAreaTitle->setFocusPolicy(Qt::NoFocus);
    grdAreaTitle->verticalHeader()->setMinimumSectionSize(1);
    grdAreaTitle->setRowHeight(0, rowHeight + 1);
    grdAreaTitle->setColumnWidth(0, areaGroup);
    grdAreaTitle->setColumnWidth(1, unitGroup);
    grdAreaTitle->horizontalHeader()->setStretchLastSection(true);
    const char* titles[] = {"Area", "Unit"};
    for (int column = 0; column < 2; ++column) {
        auto* item = new QTableWidgetItem(QString::fromLatin1(titles[column]));
        item->setTextAlignment(Qt::AlignCenter);
        grdAreaTitle->setItem(0, column, item);
    }
    grdAreaTitle->setFixedHeight(rowHeight + 1 + frame);
    grdAreaTitle->setMinimumWidth(grdArea->minimumWidth());

    layout->addWidget(grdAreaTitle);
    layout->addWidget(grdArea);
    return {central, grdArea, grdAreaTitle};
}

}  // namespace qm
