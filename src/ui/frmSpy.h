#pragma once
// The spy window: the six spied areas in one row, filled by map clicks while
// it is open, with a Delete button; closing it writes them into the orders.
// Not modal, so that the player can click on the map.

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace qm {

struct Session;

class frmSpy : public QWidget {
    Q_OBJECT
public:
    explicit frmSpy(Session& session, QWidget* parent = nullptr);

    /// The spied areas changed by a map click: show them again.
    void ShowCells();

    QTableWidget* grdSpy() const { return grdSpy_; }
    QPushButton* cmdDelete() const { return cmdDelete_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnDelete();

    Session& session_;
    QTableWidget* grdSpy_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
};

}  // namespace qm
