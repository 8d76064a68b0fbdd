#pragma once
// Asks whose attack a support-attack order supports: an ally chosen by a
// double-click or "Support this ally", or the player's own by "Own attack" or
// when the dialog is closed without a choice.

#include "state/WindowPort.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qm {

struct GameState;

class frmSupportAttack : public QDialog {
    Q_OBJECT
public:
    explicit frmSupportAttack(const GameState& game, QWidget* parent = nullptr);
    QListWidget* lstAllies() const { return lstAllies_; }
    QPushButton* cmdSupportAlly() const { return cmdSupportAlly_; }
    QPushButton* cmdOwnAttack() const { return cmdOwnAttack_; }
    /// The chosen ally; none (the own attack) until one is chosen.
    SupportAnswer answer() const { return answer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer();  // the selected ally, or the own attack without a selection

    QListWidget* lstAllies_ = nullptr;
    QPushButton* cmdSupportAlly_ = nullptr;
    QPushButton* cmdOwnAttack_ = nullptr;
    SupportAnswer answer_;
};

}  // namespace qm
