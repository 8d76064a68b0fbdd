#include "ui/frmGrantAccess.h"

#include "io/NumberText.h"
#include "orders/CommandList.h"
#include "orders/GrantAccess.h"
#include "session/Session.h"
#include "ui/PlayerList.h"
#include "ui/WindowMetrics.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

template <class Widget, class... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

frmGrantAccess::frmGrantAccess(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmGrantAccess"));
    setWindowTitle(QStringLiteral("Grant Access"));
    setAttribute(Qt::WA_DeleteOnClose);

    Text1_ = Named<QLabel>(
        "Text1",
        QStringLiteral(
            R"(Select a player  and "grant" followed by  an area (click on map) or "grant all")"),
        this);
    Text1_->setTextFormat(Qt::PlainText);
    Text1_->setWordWrap(true);
    lstPlayers_ = Named<QListWidget>("lstPlayers", this);

    auto* fraOptions = Named<QGroupBox>("fraOptions", QStringLiteral("Options"), this);
    cmdGrant_ = Named<QPushButton>("cmdGrant", QStringLiteral("Grant"), fraOptions);
    cmdGrantAll_ = Named<QPushButton>("cmdGrantAll", QStringLiteral("Grant All"), fraOptions);
    txtArea_ = Named<QLineEdit>("txtArea", QStringLiteral("0"), fraOptions);
    auto* optionsLayout = new QVBoxLayout(fraOptions);
    optionsLayout->addWidget(cmdGrant_);
    optionsLayout->addWidget(txtArea_);
    optionsLayout->addWidget(cmdGrantAll_);

    auto* fraCommands = Named<QGroupBox>("fraCommands", QStringLiteral("Commands"), this);
    lstCommands_ = Named<QListWidget>("lstCommands", fraCommands);
    cmdDelete_ = Named<QPushButton>("cmdDelete", QStringLiteral("Delete"), fraCommands);
    auto* commandsLayout = new QVBoxLayout(fraCommands);
    commandsLayout->addWidget(lstCommands_);
    commandsLayout->addWidget(cmdDelete_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Text1_, 0, 0, 1, 3);
    layout->addWidget(lstPlayers_, 1, 0);
    layout->addWidget(fraOptions, 1, 1);
    layout->addWidget(fraCommands, 1, 2);
    layout->addWidget(MakeCloseButton(*this), 2, 2, Qt::AlignRight);

    connect(cmdGrant_, &QPushButton::clicked, this, [this] {
        ArmGrant(session_.interaction, session_.port, SelectedEntryData(*lstPlayers_));
    });
    connect(cmdGrantAll_, &QPushButton::clicked, this, &frmGrantAccess::OnGrantAll);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmGrantAccess::OnDelete);
    // A typed number counts once it is complete: on Enter or when the field is left.
    connect(txtArea_, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    connect(txtArea_, &QLineEdit::editingFinished, this, [this] {
        if (typed_) GrantTypedArea();
    });

    const GameState& game = session_.game;
    for (const std::int16_t player : GrantCandidates(game))
        AddPlayerEntry(*lstPlayers_, game, player);
    for (const OrderEntry& entry : GrantOrders(game))
        AddListEntry(*lstCommands_, entry.text, entry.index);
}

void frmGrantAccess::AreaClicked(std::int16_t area) {
    txtArea_->setText(SignPlace(area));
    GrantTypedArea();
}

void frmGrantAccess::GrantTypedArea() {
    typed_ = false;
    session_.history.Record(session_.game, [&] {
        const auto entry = GrantArea(session_.game, session_.port, SelectedEntryData(*lstPlayers_),
                                     txtArea_->text());
        if (entry) AddListEntry(*lstCommands_, entry->text, entry->index);
    });
}

void frmGrantAccess::OnGrantAll() {
    session_.history.Record(session_.game, [&] {
        const auto entry = GrantAll(session_.game, session_.port, SelectedEntryData(*lstPlayers_));
        if (entry) AddListEntry(*lstCommands_, entry->text, entry->index);
    });
}

void frmGrantAccess::OnDelete() {
    const auto index = SelectedEntryData(*lstCommands_);
    if (!index) return;
    session_.history.Record(session_.game, [&] { DeleteCommand(session_.game, *index); });
    RemoveSelectedEntry(*lstCommands_);
}

void frmGrantAccess::closeEvent(QCloseEvent* event) {
    // A number typed but not taken yet is taken now, as Enter would, while the
    // window still shows its list and a refusal still has the window behind it;
    // the field's leaving once the window has gone then finds nothing to take.
    if (typed_) GrantTypedArea();
    CloseGrantAccess(session_.interaction, session_.spies);
    QWidget::closeEvent(event);
}

}  // namespace qm
