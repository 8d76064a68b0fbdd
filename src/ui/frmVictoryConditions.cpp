#include "ui/frmVictoryConditions.h"

#include "orders/TypedNumber.h"
#include "session/Session.h"
#include "ui/WindowMetrics.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qm {

namespace {

struct FieldLook {
    const char* caption;
    int minimum, maximum, initial;
};
constexpr std::array<FieldLook, 2> kFields = {{{"Turns", 10, 40, 15}, {"Points", 300, 500, 300}}};

}  // namespace

frmVictoryConditions::frmVictoryConditions(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("frmVictoryConditions"));
    setWindowTitle(QStringLiteral("Victory Conditions"));
    setAttribute(Qt::WA_DeleteOnClose);

    proposal_ = OpenVictoryConditions(session_.game, session_.interaction);
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        const FieldLook& look = kFields[static_cast<std::size_t>(i)];
        auto* frame = new QGroupBox(QString::fromLatin1(look.caption), this);
        auto* text =
            new QLineEdit(QString::number(proposal_.values[static_cast<std::size_t>(i)]), frame);
        text->setObjectName(QStringLiteral("txtVC%1").arg(i));
        auto* bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setObjectName(QStringLiteral("hsclVC%1").arg(i));
        bar->setRange(look.minimum, look.maximum);
        bar->setValue(look.initial);
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->addWidget(text);
        frameLayout->addWidget(bar);
        layout->addWidget(frame);
        txtVC_[static_cast<std::size_t>(i)] = text;
        hsclVC_[static_cast<std::size_t>(i)] = bar;

        // Every fitting value goes into the order at once; a bar sets its text only.
        connect(text, &QLineEdit::textChanged, this, [this, i](const QString& value) {
            EnterVictoryValue(session_.game, proposal_, i, value);
        });
        connect(text, &QLineEdit::editingFinished, this, [this, i] { CheckFits(i); });
        connect(bar, &QScrollBar::valueChanged, text, [this, text, i](int value) {
            text->setText(QString::number(value));
            SettleVictoryValue(proposal_, i);
        });
    }
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignBottom);
}

void frmVictoryConditions::CheckFits(int index) {
    const QString text = txtVC(index)->text();
    QString& refused = refused_[static_cast<std::size_t>(index)];
    if (TypedNumber(text)) {
        refused.clear();
        SettleVictoryValue(proposal_, index);
        return;
    }
    if (text == refused) return;
    refused = text;
    RefuseVictoryValue(session_.port, proposal_, index);
}

void frmVictoryConditions::closeEvent(QCloseEvent* event) {
    for (int i = 0; i < 2; ++i) CheckFits(i);
    CloseVictoryConditions(session_.game, session_.interaction, session_.port, session_.spies,
                           session_.history, proposal_);
    QWidget::closeEvent(event);
}

}  // namespace qm
