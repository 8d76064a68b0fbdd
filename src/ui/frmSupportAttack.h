#pragma once
// Asks whose attack a support-attack order supports: an ally chosen by a
// double-click, or the player's own when the dialog is closed without a choice.

#include "state/WindowPort.h"

#include <QDialog>

class QListWidget;

namespace qm {

struct GameState;

class frmSupportAttack : public QDialog {
    Q_OBJECT
public:
    explicit frmSupportAttack(const GameState& game, QWidget* parent = nullptr);
    QListWidget* lstAllies() const { return lstAllies_; }
    /// The chosen ally; none (the own attack) until one is double-clicked.
    SupportAnswer answer() const { return answer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* lstAllies_ = nullptr;
    SupportAnswer answer_;
};

}  // namespace qm
