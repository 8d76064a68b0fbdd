#include "ui/frmCheckTurn.h"

#include "map/BoardPicture.h"
#include "orders/TurnCheck.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmCheckTurn::frmCheckTurn(Session& session, std::function<void(int area)> showArea)
    : QWidget(nullptr, Qt::Window), session_(session), showArea_(std::move(showArea)) {
    setObjectName(QStringLiteral("frmCheckTurn"));
    setWindowTitle(QStringLiteral("Check Turn"));
    lstFindings_ = new QListWidget(this);
    lstFindings_->setObjectName(QStringLiteral("lstFindings"));
    auto* cmdRecheck = new QPushButton(QStringLiteral("Check Again"), this);
    cmdRecheck->setObjectName(QStringLiteral("cmdRecheck"));
    chkMarkUnordered_ = new QCheckBox(QStringLiteral("Mark units without orders on the map"), this);
    chkMarkUnordered_->setObjectName(QStringLiteral("chkMarkUnordered"));
    chkMarkUnordered_->setChecked(session_.map.picture.MarkUnordered);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstFindings_);
    layout->addWidget(chkMarkUnordered_);
    layout->addWidget(cmdRecheck);
    resize(520, 300);
    connect(cmdRecheck, &QPushButton::clicked, this, &frmCheckTurn::Refill);
    connect(chkMarkUnordered_, &QCheckBox::toggled, this, [this](bool on) {
        session_.map.picture.MarkUnordered = on;
        RefreshView(session_.game, session_.map, session_.port);
    });
    connect(lstFindings_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int area = item->data(Qt::UserRole).toInt();
        if (area > 0) showArea_(area);
    });
}

int frmCheckTurn::Refill() {
    lstFindings_->clear();
    const std::vector<TurnFinding> findings = CheckTurn(session_.game);
    for (const TurnFinding& finding : findings) {
        auto* item = new QListWidgetItem(finding.text, lstFindings_);
        item->setData(Qt::UserRole, int{finding.area});
    }
    if (findings.empty()) lstFindings_->addItem(QStringLiteral("Nothing found"));
    return static_cast<int>(findings.size());
}

}  // namespace qm
