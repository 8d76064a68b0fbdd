#pragma once
// Asks whose attack a support-attack order supports: an ally chosen by a
// double-click, or the player's own when the dialog is closed without a choice.
// The answer is left in SupportedPlayer.

#include <QDialog>

class QListWidget;

namespace qm {

struct Session;

class frmSupportAttack : public QDialog {
    Q_OBJECT
public:
    explicit frmSupportAttack(Session& session, QWidget* parent = nullptr);
    QListWidget* lstAllies() const { return lstAllies_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    QListWidget* lstAllies_ = nullptr;
};

}  // namespace qm
