#include "ui/frmSummary.h"

#include "state/SummaryRows.h"
#include "ui/WindowMetrics.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qm {

frmSummary::frmSummary(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(QStringLiteral("Summary"));

    grdSummary_ = new QTableWidget(kRows, 2, this);
    grdSummary_->setObjectName(QStringLiteral("grdSummary"));
    ConfigureFixedGrid(*grdSummary_);

    const QFontMetrics metrics(grdSummary_->font());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral(" Squadrons ")) + 4;
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral(" 222 ")) + 4;
    const int rowHeight = metrics.boundingRect(QStringLiteral("222")).height() + 4;
    grdSummary_->setColumnWidth(0, labelWidth);
    grdSummary_->setColumnWidth(kSummaryValueColumn, valueWidth);

    for (int row = 0; row < kRows; ++row) {
        const char* label = kSummaryRows[static_cast<std::size_t>(row)].label;
        grdSummary_->setRowHeight(row, rowHeight);
        grdSummary_->setItem(row, 0, FixedCell(*grdSummary_, QString::fromLatin1(label)));
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFlags(Qt::ItemIsEnabled);
        grdSummary_->setItem(row, kSummaryValueColumn, value);
    }
    FitGrid(*grdSummary_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grdSummary_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSummary::PlaceBeside(const QWidget& mainWindow) {
    const QRect frame = mainWindow.frameGeometry();
    move(frame.x() + frame.width() + TwipsToPixels(50), 0);
}

void frmSummary::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= kRows || column != kSummaryValueColumn) return;
    grdSummary_->item(row, column)->setText(text);
}

}  // namespace qm
