#pragma once
// The grant access window: grants an ally access to one own area (picked on
// the map or typed) or to all of them ("GA" orders), and deletes grants.
// Not modal, so that the player can click on the map while it is open.

#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qm {

struct Session;

class frmGrantAccess : public QWidget {
    Q_OBJECT
public:
    explicit frmGrantAccess(Session& session, QWidget* parent = nullptr);

    /// A map click in grant mode: the area goes into the field and is granted at once.
    void AreaClicked(std::int16_t area);

    QLabel* Text1() const { return Text1_; }
    QListWidget* lstPlayers() const { return lstPlayers_; }
    QPushButton* cmdGrant() const { return cmdGrant_; }
    QPushButton* cmdGrantAll() const { return cmdGrantAll_; }
    QLineEdit* txtArea() const { return txtArea_; }
    QListWidget* lstCommands() const { return lstCommands_; }
    QPushButton* cmdDelete() const { return cmdDelete_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void GrantTypedArea();
    void OnGrantAll();
    void OnDelete();

    Session& session_;
    QLabel* Text1_ = nullptr;
    QListWidget* lstPlayers_ = nullptr;
    QPushButton* cmdGrant_ = nullptr;
    QPushButton* cmdGrantAll_ = nullptr;
    QLineEdit* txtArea_ = nullptr;
    QListWidget* lstCommands_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    bool typed_ = false;  // the field was typed in since its last grant
};

}  // namespace qm
