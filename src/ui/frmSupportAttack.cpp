#include "ui/frmSupportAttack.h"

#include "orders/AllyLists.h"
#include "state/GameState.h"
#include "ui/PlayerList.h"

#include <QEvent>
#include <QVBoxLayout>

namespace qm {

frmSupportAttack::frmSupportAttack(const GameState& game, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSupportAttack"));
    setWindowTitle(QStringLiteral("Support Attack"));

    lstAllies_ = new QListWidget(this);
    lstAllies_->setObjectName(QStringLiteral("lstAllies"));
    lstAllies_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstAllies_);

    for (const std::int16_t player : SupportAttackCandidates(game))
        AddPlayerEntry(*lstAllies_, game, player);
}

bool frmSupportAttack::eventFilter(QObject* watched, QEvent* event) {
    // A double-click anywhere in the list answers, on an entry or not.
    if (watched == lstAllies_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        answer_ = SelectedEntryData(*lstAllies_);
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qm
