#include "ui/frmChanges.h"

#include "map/BoardPicture.h"
#include "session/Session.h"
#include "session/Turn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

frmChanges::frmChanges(Session& session, Turn& turn, std::function<void(int area)> showArea)
    : QWidget(nullptr, Qt::Window), session_(session), turn_(turn), showArea_(std::move(showArea)) {
    setObjectName(QStringLiteral("frmChanges"));
    setWindowTitle(QStringLiteral("Changes"));
    cboBefore_ = new QComboBox(this);
    cboBefore_->setObjectName(QStringLiteral("cboBefore"));
    cboAfter_ = new QComboBox(this);
    cboAfter_->setObjectName(QStringLiteral("cboAfter"));
    lstChanges_ = new QListWidget(this);
    lstChanges_->setObjectName(QStringLiteral("lstChanges"));
    chkMarkChanges_ = new QCheckBox(QStringLiteral("Mark the changed areas on the map"), this);
    chkMarkChanges_->setObjectName(QStringLiteral("chkMarkChanges"));
    chkMarkChanges_->setChecked(session_.map.picture.MarkChanges);
    auto* turns = new QHBoxLayout;
    turns->addWidget(new QLabel(QStringLiteral("From turn"), this));
    turns->addWidget(cboBefore_);
    turns->addWidget(new QLabel(QStringLiteral("to turn"), this));
    turns->addWidget(cboAfter_);
    turns->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(turns);
    layout->addWidget(lstChanges_);
    layout->addWidget(chkMarkChanges_);
    resize(560, 420);
    for (QComboBox* box : {cboBefore_, cboAfter_})
        connect(box, &QComboBox::currentIndexChanged, this, &frmChanges::List);
    connect(chkMarkChanges_, &QCheckBox::toggled, this, [this](bool on) {
        session_.map.picture.MarkChanges = on;
        RefreshView(session_.game, session_.map, session_.port);
    });
    connect(lstChanges_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int area = item->data(Qt::UserRole).toInt();
        if (area > 0) showArea_(area);
    });
}

void frmChanges::Refill() {
    turns_ = turn_.PlayedTurns();
    {
        const QSignalBlocker before(cboBefore_), after(cboAfter_);
        for (QComboBox* box : {cboBefore_, cboAfter_}) {
            box->clear();
            for (const ReportTurn& turn : turns_) box->addItem(TurnLabel(turn));
        }
        // The loaded turn, last, against the one before it.
        const int last = static_cast<int>(turns_.size()) - 1;
        cboBefore_->setCurrentIndex(std::max(last - 1, 0));
        cboAfter_->setCurrentIndex(last);
    }
    List();
}

void frmChanges::List() {
    lstChanges_->clear();
    const int first = cboBefore_->currentIndex(), second = cboAfter_->currentIndex();
    if (first < 0 || second < 0) return;
    const ReportTurn& before = turns_[static_cast<std::size_t>(first)];
    const ReportTurn& after = turns_[static_cast<std::size_t>(second)];
    const auto lines = before == after ? std::nullopt : turn_.Changes(before, after);
    session_.map.picture.ChangedAreas.clear();
    if (!lines) {
        lstChanges_->addItem(before == after
                                 ? QStringLiteral("Pick two turns: the game's history keeps one "
                                                  "turn before the loaded one once it is played")
                                 : QStringLiteral("A kept turn cannot be read back"));
    } else {
        for (const ChangeLine& line : *lines) {
            auto* item = new QListWidgetItem(line.text, lstChanges_);
            item->setData(Qt::UserRole, int{line.area});
            if (line.kind == ChangeKind::Heading) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
        session_.map.picture.ChangedAreas = ChangedAreas(*lines);
    }
    if (session_.map.picture.MarkChanges) RefreshView(session_.game, session_.map, session_.port);
}

}  // namespace qm
