#include "ui/frmSupportAttack.h"

#include "orders/AllyLists.h"
#include "state/GameState.h"
#include "ui/PlayerList.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmSupportAttack::frmSupportAttack(const GameState& game, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSupportAttack"));
    setWindowTitle(QStringLiteral("Support Attack"));

    auto* instructions = new QLabel(
        QStringLiteral("Whose attack does this unit support? Pick an ally and press "
                       "\"Support this ally\" (or double-click the ally); \"Own attack\" or "
                       "closing this window supports your own attack."),
        this);
    instructions->setObjectName(QStringLiteral("lblInstructions"));
    instructions->setWordWrap(true);
    lstAllies_ = new QListWidget(this);
    lstAllies_->setObjectName(QStringLiteral("lstAllies"));
    lstAllies_->viewport()->installEventFilter(this);
    cmdSupportAlly_ = new QPushButton(QStringLiteral("Support this ally"), this);
    cmdSupportAlly_->setObjectName(QStringLiteral("cmdSupportAlly"));
    cmdSupportAlly_->setEnabled(false);
    cmdOwnAttack_ = new QPushButton(QStringLiteral("Own attack"), this);
    cmdOwnAttack_->setObjectName(QStringLiteral("cmdOwnAttack"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSupportAlly_);
    buttons->addWidget(cmdOwnAttack_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addWidget(lstAllies_);
    layout->addLayout(buttons);

    connect(lstAllies_, &QListWidget::itemSelectionChanged, this,
            [this] { cmdSupportAlly_->setEnabled(SelectedEntryData(*lstAllies_).has_value()); });
    connect(cmdSupportAlly_, &QPushButton::clicked, this, [this] { Answer(); });
    connect(cmdOwnAttack_, &QPushButton::clicked, this, [this] {
        answer_.reset();
        reject();
    });

    for (const std::int16_t player : SupportAttackCandidates(game))
        AddPlayerEntry(*lstAllies_, game, player);
}

void frmSupportAttack::Answer() {
    answer_ = SelectedEntryData(*lstAllies_);
    accept();
}

bool frmSupportAttack::eventFilter(QObject* watched, QEvent* event) {
    // A double-click anywhere in the list answers, on an entry or not.
    if (watched == lstAllies_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Answer();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qm
