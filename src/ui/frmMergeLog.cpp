#include "ui/frmMergeLog.h"

#include "state/GameState.h"
#include "state/MergeLog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmMergeLog::frmMergeLog(const GameState& game, std::function<void(int area)> showArea)
    : QWidget(nullptr, Qt::Window), game_(game), showArea_(std::move(showArea)) {
    setObjectName(QStringLiteral("frmMergeLog"));
    setWindowTitle(QStringLiteral("Merge Log"));
    lstMergeLog_ = new QListWidget(this);
    lstMergeLog_->setObjectName(QStringLiteral("lstMergeLog"));
    auto* cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstMergeLog_);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    resize(560, 320);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(lstMergeLog_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int area = item->data(Qt::UserRole).toInt();
        if (area > 0) showArea_(area);
    });
}

void frmMergeLog::Refill() {
    lstMergeLog_->clear();
    for (const MergeLogLine& line : MergeLogLines(game_)) {
        auto* item = new QListWidgetItem(line.text, lstMergeLog_);
        item->setData(Qt::UserRole, line.area);
    }
    if (lstMergeLog_->count() == 0)
        lstMergeLog_->addItem(QStringLiteral("No report has been merged into this turn."));
}

}  // namespace qm
