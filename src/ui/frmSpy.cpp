#include "ui/frmSpy.h"

#include "orders/SpyTargets.h"
#include "session/Session.h"
#include "ui/WindowMetrics.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

frmSpy::frmSpy(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmSpy"));
    setWindowTitle(QStringLiteral("Spy"));
    setAttribute(Qt::WA_DeleteOnClose);

    grdSpy_ = new QTableWidget(1, SpyTargets::kCells, this);
    grdSpy_->setObjectName(QStringLiteral("grdSpy"));
    grdSpy_->horizontalHeader()->hide();
    grdSpy_->verticalHeader()->hide();
    grdSpy_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdSpy_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdSpy_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSpy_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    const QFontMetrics metrics(grdSpy_->font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("2222")) + 4;
    const int cellHeight = metrics.height() + 4;
    grdSpy_->verticalHeader()->setMinimumSectionSize(1);
    grdSpy_->setRowHeight(0, cellHeight);
    for (int k = 0; k < SpyTargets::kCells; ++k) {
        grdSpy_->setColumnWidth(k, cellWidth);
        grdSpy_->setItem(0, k, new QTableWidgetItem);
    }
    const int frame = 2 * grdSpy_->frameWidth();
    grdSpy_->setFixedSize(SpyTargets::kCells * cellWidth + frame, cellHeight + frame);

    cmdDelete_ = new QPushButton(QStringLiteral("Delete"), this);
    cmdDelete_->setObjectName(QStringLiteral("cmdDelete"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdSpy_);
    layout->addWidget(cmdDelete_);
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmSpy::OnDelete);

    OpenSpyTargets(session_.game, session_.interaction, session_.spies);
    grdSpy_->setCurrentCell(0, 0);
    ShowCells();
}

void frmSpy::ShowCells() {
    for (int k = 0; k < SpyTargets::kCells; ++k)
        grdSpy_->item(0, k)->setText(session_.spies.cells[static_cast<std::size_t>(k)]);
}

void frmSpy::OnDelete() {
    const QList<QTableWidgetSelectionRange> ranges = grdSpy_->selectedRanges();
    if (ranges.isEmpty()) return;
    int first = SpyTargets::kCells, last = -1;
    for (const QTableWidgetSelectionRange& range : ranges) {
        first = std::min(first, range.leftColumn());
        last = std::max(last, range.rightColumn());
    }
    DeleteSpyTargets(session_.spies, first, last);
    ShowCells();
}

void frmSpy::closeEvent(QCloseEvent* event) {
    CloseSpyTargets(session_.game, session_.interaction, session_.spies);
    QWidget::closeEvent(event);
}

}  // namespace qm
