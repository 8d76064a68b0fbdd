#include "ui/frmCallToArms.h"

#include "orders/AllyLists.h"
#include "orders/CommandList.h"
#include "session/Session.h"
#include "state/OrderCodes.h"
#include "ui/PlayerList.h"
#include "ui/WindowMetrics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmCallToArms::frmCallToArms(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmCallToArms"));
    setWindowTitle(QStringLiteral("Call To Arms"));

    auto* Frame1 = new QGroupBox(QStringLiteral("Call To Arms"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lstAllies_ = new QListWidget(Frame1);
    lstAllies_->setObjectName(QStringLiteral("lstAllies"));
    lstEnemies_ = new QListWidget(Frame1);
    lstEnemies_->setObjectName(QStringLiteral("lstEnemies"));
    cmdCallToArms_ = new QPushButton(QStringLiteral("Call To Arms"), Frame1);
    cmdCallToArms_->setObjectName(QStringLiteral("cmdCallToArms"));
    auto* frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(new QLabel(QStringLiteral("Allies"), Frame1), 0, 0);
    frameLayout->addWidget(new QLabel(QStringLiteral("Enemies"), Frame1), 0, 1);
    frameLayout->addWidget(lstAllies_, 1, 0);
    frameLayout->addWidget(lstEnemies_, 1, 1);
    frameLayout->addWidget(cmdCallToArms_, 2, 0, 1, 2);

    auto* fraCommands = new QGroupBox(QStringLiteral("Commands"), this);
    fraCommands->setObjectName(QStringLiteral("fraCommands"));
    lstCommands_ = new QListWidget(fraCommands);
    lstCommands_->setObjectName(QStringLiteral("lstCommands"));
    cmdDelete_ = new QPushButton(QStringLiteral("Delete"), fraCommands);
    cmdDelete_->setObjectName(QStringLiteral("cmdDelete"));
    auto* commandsLayout = new QVBoxLayout(fraCommands);
    commandsLayout->addWidget(lstCommands_);
    commandsLayout->addWidget(cmdDelete_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(fraCommands);
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignRight);

    connect(cmdCallToArms_, &QPushButton::clicked, this, &frmCallToArms::OnCallToArms);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmCallToArms::OnDelete);

    const GameState& game = session_.game;
    const CallToArmsLists candidates = CallToArmsCandidates(game);
    for (const std::int16_t player : candidates.allies) AddPlayerEntry(*lstAllies_, game, player);
    for (const std::int16_t player : candidates.enemies) AddPlayerEntry(*lstEnemies_, game, player);
    for (const CallToArmsEntry& entry : CallToArmsOrders(game))
        AddListEntry(*lstCommands_, entry.text, entry.index);
}

void frmCallToArms::OnCallToArms() {
    const auto ally = SelectedEntryData(*lstAllies_);
    const auto enemy = SelectedEntryData(*lstEnemies_);
    if (!ally || !enemy) return;
    const auto index = AddCommand(session_.game, session_.port, kCallToArms, *ally, *enemy, 0, 0);
    if (!index) return;
    AddListEntry(*lstCommands_, CallToArmsText(session_.game, *ally, *enemy), *index);
}

void frmCallToArms::OnDelete() {
    const auto index = SelectedEntryData(*lstCommands_);
    if (!index) return;
    DeleteCommand(session_.game, *index);
    RemoveSelectedEntry(*lstCommands_);
}

}  // namespace qm
