#pragma once
// The diplomacy dialog: declares alliance, neutrality or war toward the other
// players ("DA", "DN", "DW") and deletes such declarations. Modal; every
// change is recorded at once.

#include <QDialog>
#include <QLatin1String>

#include <array>

class QListWidget;
class QPushButton;

namespace qm {

struct Session;

class frmANW : public QDialog {
    Q_OBJECT
public:
    explicit frmANW(Session& session, QWidget* parent = nullptr);

    QListWidget* lstAllies() const { return lstAllies_; }
    QListWidget* lstNeutrals() const { return lstNeutrals_; }
    QListWidget* lstEnemies() const { return lstEnemies_; }
    QListWidget* lstCommands() const { return lstCommands_; }
    QPushButton* cmdNeutral(int index) const {
        return cmdNeutral_[static_cast<std::size_t>(index)];
    }
    QPushButton* cmdAlly() const { return cmdAlly_; }
    QPushButton* cmdWar() const { return cmdWar_; }
    QPushButton* cmdDelete() const { return cmdDelete_; }

private:
    void OnDeclare(const QListWidget& source, QLatin1String code);
    void OnDelete();

    Session& session_;
    QListWidget* lstAllies_ = nullptr;
    QListWidget* lstNeutrals_ = nullptr;
    QListWidget* lstEnemies_ = nullptr;
    QListWidget* lstCommands_ = nullptr;
    std::array<QPushButton*, 2> cmdNeutral_{};
    QPushButton* cmdAlly_ = nullptr;
    QPushButton* cmdWar_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
};

}  // namespace qm
