// The map window's keyboard: the find box, the order line, and the keys that
// pick areas, options and targets without the mouse.

#include "ui/frmMap.h"

#include "map/CentreOnArea.h"
#include "orders/FindArea.h"
#include "orders/MapKeys.h"
#include "orders/MapStatus.h"
#include "orders/OrderLine.h"
#include "orders/OrderLineCompletion.h"
#include "session/Session.h"
#include "state/TurnRules.h"
#include "ui/MapView.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QStringListModel>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace qm {

QHBoxLayout* frmMap::BuildTypingRow() {
    auto* row = new QHBoxLayout;
    txtFind_ = new QLineEdit(options_);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setPlaceholderText(QStringLiteral("Find area (Ctrl+F)"));
    txtFind_->setAccessibleName(QStringLiteral("Find an area by number or name"));
    auto* areas = new QCompleter(txtFind_);
    areas->setCaseSensitivity(Qt::CaseInsensitive);
    areas->setFilterMode(Qt::MatchContains);
    areas->setModel(new QStringListModel(areas));
    txtFind_->setCompleter(areas);
    connect(txtFind_, &QLineEdit::returnPressed, this, [this] { FindTyped(); });

    txtOrderLine_ = new QLineEdit(options_);
    txtOrderLine_->setObjectName(QStringLiteral("txtOrderLine"));
    txtOrderLine_->setPlaceholderText(QStringLiteral("Order, as MO 60 58 (Ctrl+L)"));
    txtOrderLine_->setAccessibleName(
        QStringLiteral("Type an order in the words of the orders file"));
    txtOrderLine_->installEventFilter(this);
    words_ = new QCompleter(this);
    words_->setWidget(txtOrderLine_);
    words_->setCaseSensitivity(Qt::CaseInsensitive);
    words_->setCompletionMode(QCompleter::PopupCompletion);
    words_->setModel(new QStringListModel(words_));
    words_->popup()->installEventFilter(this);
    connect(words_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& word) { TakeWord(word); });
    connect(txtOrderLine_, &QLineEdit::textEdited, this, [this] { OfferWords(); });
    connect(txtOrderLine_, &QLineEdit::returnPressed, this, [this] { OrderTyped(); });

    for (const auto& [keys, box] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_F), txtFind_},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_L), txtOrderLine_}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, box = box] {
            if (box == txtFind_) RefreshAreaChoices();
            box->setFocus(Qt::ShortcutFocusReason);
            box->selectAll();
        });
    }
    row->addWidget(txtFind_, 1);
    row->addWidget(txtOrderLine_, 2);
    return row;
}

void frmMap::RefreshAreaChoices() {
    QStringList choices;
    for (const QString& choice : AreaChoices(session_.game)) choices << choice;
    static_cast<QStringListModel*>(txtFind_->completer()->model())->setStringList(choices);
}

void frmMap::ChooseArea(std::int16_t area) {
    session_.interaction.SelectedArea = area;
    keySelection_ = true;
    CentreOnArea(session_.game, session_.map, session_.port, area);
    emit AreaChosen(area);
    ShowOrderState(area);
}

void frmMap::FindTyped() {
    const std::int16_t area = FindArea(session_.game, txtFind_->text());
    if (area == 0) {
        session_.port.ShowMessage(QStringLiteral("No area is called %1, or more than one")
                                      .arg(txtFind_->text().trimmed()),
                                  MessageIcon::Stop);
        return;
    }
    ChooseArea(area);
    picView_->setFocus(Qt::OtherFocusReason);
}

void frmMap::OfferWords() {
    const std::vector<QString> found = OrderLineCompletions(session_.game, txtOrderLine_->text());
    QStringList words;
    for (const QString& word : found) words << word;
    static_cast<QStringListModel*>(words_->model())->setStringList(words);
    const QString text = txtOrderLine_->text();
    const QString last = text.endsWith(u' ') ? QString() : text.section(u' ', -1);
    words_->setCompletionPrefix(last);
    // Numbers are quicker typed than picked: the list opens for names and codes.
    bool number = false;
    last.toInt(&number);
    if (words.isEmpty() || last.isEmpty() || number) return words_->popup()->hide();
    words_->complete();
}

void frmMap::TakeWord(const QString& word) {
    // The word being typed gives way to the one chosen.
    QString text = txtOrderLine_->text();
    text.truncate(text.lastIndexOf(u' ') + 1);
    txtOrderLine_->setText(text + word + u' ');
    // The Enter that picked the word is no order yet.
    tookWord_ = true;
    QTimer::singleShot(0, this, [this] { tookWord_ = false; });
}

void frmMap::OrderTyped() {
    if (tookWord_) return;  // Enter took the completion
    if (words_->popup()->isVisible()) {
        if (words_->popup()->currentIndex().isValid()) return;
        words_->popup()->hide();
    }
    const QString line = txtOrderLine_->text().simplified();
    if (line.isEmpty()) return;
    if (lines_.isEmpty() || lines_.back() != line) lines_ << line;
    recalled_ = lines_.size();
    const bool taken = EnterOrderLine(session_.orders(), session_.spies, session_.history, line);
    if (session_.spies.open) emit SpyTargetsChanged();
    // A refused line stays for correction.
    if (taken)
        txtOrderLine_->clear();
    else
        txtOrderLine_->selectAll();
    ShowOrderState(hoverArea_);
}

bool frmMap::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the open list with nothing picked gives the line as typed.
    if (watched == words_->popup() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            !words_->popup()->currentIndex().isValid()) {
            words_->popup()->hide();
            OrderTyped();
            return true;
        }
    }
    if (watched == txtOrderLine_ && event->type() == QEvent::KeyPress && !lines_.isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !words_->popup()->isVisible()) {
            recalled_ =
                std::clamp<qsizetype>(recalled_ + (key == Qt::Key_Up ? -1 : 1), 0, lines_.size());
            txtOrderLine_->setText(recalled_ < lines_.size() ? lines_[recalled_] : QString());
            return true;
        }
    }
    if (watched == txtOrderLine_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !words_->popup()->isVisible()) {
        picView_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMap::OnOrderKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    Interaction& interaction = session_.interaction;
    const bool pending = IsTargetPending(interaction);
    if (event.key() == Qt::Key_N && (modifiers & ~Qt::ShiftModifier) == 0) {
        const std::int16_t next = NextUnitWithoutOrder(session_.game, interaction.SelectedArea,
                                                       modifiers & Qt::ShiftModifier);
        if (next != 0 && !pending) ChooseArea(next);
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    if (const QString text = event.text().toUpper(); text.size() == 1 && !pending) {
        const QLatin1String option = OptionOfKey(text.front().toLatin1());
        const auto found = std::find(kMapOptions.begin(), kMapOptions.end(), option);
        if (!option.isEmpty() && found != kMapOptions.end()) {
            optCommand(static_cast<int>(found - kMapOptions.begin()))->setChecked(true);
            return true;
        }
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        if (pending) {
            if (keyTarget_ == 0) return true;
            const std::int16_t target = std::exchange(keyTarget_, 0);
            session_.history.Record(session_.game,
                                    [&] { MapClick(session_.orders(), session_.spies, target); });
            ShowOrderState(target);
        } else if (IsAreaNumber(interaction.SelectedArea) && interaction.MapMode.isEmpty()) {
            const std::int16_t area = interaction.SelectedArea;
            session_.history.Record(session_.game, [&] {
                MapDoubleClick(session_.orders(), area,
                               kMapOptions[static_cast<std::size_t>(SelectedOption())]);
            });
            keyTarget_ = 0;
            ShowOrderState(area);
        }
        return true;
    }
    if (!pending) return false;
    int dx = 0, dy = 0;
    switch (event.key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            return false;
    }
    keyTarget_ =
        StepTarget(session_.game, session_.map, interaction.SelectedArea, keyTarget_, dx, dy);
    ShowOrderState(keyTarget_ != 0 ? keyTarget_ : interaction.SelectedArea);
    return true;
}

}  // namespace qm
