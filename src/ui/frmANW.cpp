#include "ui/frmANW.h"

#include "orders/CommandList.h"
#include "orders/Declarations.h"
#include "session/Session.h"
#include "state/OrderCodes.h"
#include "ui/PlayerList.h"
#include "ui/WindowMetrics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QListWidget* List(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmANW::frmANW(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmANW"));
    setWindowTitle(QStringLiteral("Allied-Neutal-War"));

    QGroupBox* fraAllies = Frame("fraAllies", QStringLiteral("Allies"), this);
    lstAllies_ = List("lstAllies", fraAllies);
    cmdNeutral_[0] = Button(QStringLiteral("cmdNeutral0"), QStringLiteral("Neutral"), fraAllies);
    auto* alliesLayout = new QVBoxLayout(fraAllies);
    alliesLayout->addWidget(lstAllies_);
    alliesLayout->addWidget(cmdNeutral_[0]);

    QGroupBox* fraNeutrals = Frame("fraNeutrals", QStringLiteral("Neutrals"), this);
    lstNeutrals_ = List("lstNeutrals", fraNeutrals);
    cmdAlly_ = Button(QStringLiteral("cmdAlly"), QStringLiteral("Ally"), fraNeutrals);
    cmdWar_ = Button(QStringLiteral("cmdWar"), QStringLiteral("War"), fraNeutrals);
    auto* neutralsLayout = new QGridLayout(fraNeutrals);
    neutralsLayout->addWidget(lstNeutrals_, 0, 0, 1, 2);
    neutralsLayout->addWidget(cmdAlly_, 1, 0);
    neutralsLayout->addWidget(cmdWar_, 1, 1);

    QGroupBox* fraEnemies = Frame("fraEnemies", QStringLiteral("Enemies"), this);
    lstEnemies_ = List("lstEnemies", fraEnemies);
    cmdNeutral_[1] = Button(QStringLiteral("cmdNeutral1"), QStringLiteral("Neutal"), fraEnemies);
    auto* enemiesLayout = new QVBoxLayout(fraEnemies);
    enemiesLayout->addWidget(lstEnemies_);
    enemiesLayout->addWidget(cmdNeutral_[1]);

    QGroupBox* fraCommands = Frame("fraCommands", QStringLiteral("Commands"), this);
    lstCommands_ = List("lstCommands", fraCommands);
    cmdDelete_ = Button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"), fraCommands);
    auto* commandsLayout = new QVBoxLayout(fraCommands);
    commandsLayout->addWidget(lstCommands_);
    commandsLayout->addWidget(cmdDelete_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(fraAllies, 0, 0);
    layout->addWidget(fraNeutrals, 0, 1);
    layout->addWidget(fraEnemies, 0, 2);
    layout->addWidget(fraCommands, 1, 0, 1, 3);
    layout->addWidget(MakeCloseButton(*this), 2, 2, Qt::AlignRight);

    connect(cmdAlly_, &QPushButton::clicked, this,
            [this] { OnDeclare(*lstNeutrals_, kDeclareAlliance); });
    connect(cmdWar_, &QPushButton::clicked, this,
            [this] { OnDeclare(*lstNeutrals_, kDeclareWar); });
    connect(cmdNeutral_[0], &QPushButton::clicked, this,
            [this] { OnDeclare(*lstAllies_, kDeclareNeutrality); });
    connect(cmdNeutral_[1], &QPushButton::clicked, this,
            [this] { OnDeclare(*lstEnemies_, kDeclareNeutrality); });
    connect(cmdDelete_, &QPushButton::clicked, this, &frmANW::OnDelete);

    const GameState& game = session_.game;
    const DeclarationLists lists = DeclarationCandidates(game);
    for (const std::int16_t player : lists.allies) AddPlayerEntry(*lstAllies_, game, player);
    for (const std::int16_t player : lists.neutrals) AddPlayerEntry(*lstNeutrals_, game, player);
    for (const std::int16_t player : lists.enemies) AddPlayerEntry(*lstEnemies_, game, player);
    for (const OrderEntry& entry : DeclarationOrders(game))
        AddListEntry(*lstCommands_, entry.text, entry.index);
    cmdWar_->setEnabled(WarAllowed(game));
}

void frmANW::OnDeclare(const QListWidget& source, QLatin1String code) {
    const auto player = SelectedEntryData(source);
    if (!player) return;
    const auto entry = Declare(session_.game, session_.port, code, *player);
    if (entry) AddListEntry(*lstCommands_, entry->text, entry->index);
}

void frmANW::OnDelete() {
    const auto index = SelectedEntryData(*lstCommands_);
    if (!index) return;
    RemoveSelectedEntry(*lstCommands_);
    DeleteCommand(session_.game, *index);
}

}  // namespace qm
