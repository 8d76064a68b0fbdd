#pragma once
// The call to arms dialog: calls an ally to arms against an enemy ("CA" orders)
// and deletes such orders. Its lists are rebuilt each time it opens.

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qm {

struct Session;

class frmCallToArms : public QDialog {
    Q_OBJECT
public:
    explicit frmCallToArms(Session& session, QWidget* parent = nullptr);

    QListWidget* lstAllies() const { return lstAllies_; }
    QListWidget* lstEnemies() const { return lstEnemies_; }
    QListWidget* lstCommands() const { return lstCommands_; }
    QPushButton* cmdCallToArms() const { return cmdCallToArms_; }
    QPushButton* cmdDelete() const { return cmdDelete_; }

private:
    void OnCallToArms();
    void OnDelete();

    Session& session_;
    QListWidget* lstAllies_ = nullptr;
    QListWidget* lstEnemies_ = nullptr;
    QListWidget* lstCommands_ = nullptr;
    QPushButton* cmdCallToArms_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
};

}  // namespace qm
