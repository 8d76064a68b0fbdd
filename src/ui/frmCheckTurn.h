#pragma once
// The turn check window: lists what the turn check found; a double-click on an
// entry selects its area in the grid and centres it on the map.

#include <QWidget>

#include <functional>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace qm {

struct Session;

class frmCheckTurn : public QWidget {
    Q_OBJECT
public:
    /// showArea selects an area in the grid and centres it on the map.
    frmCheckTurn(Session& session, std::function<void(int area)> showArea);

    /// Runs the check again and lists its findings; answers how many there are.
    int Refill();

    QListWidget* lstFindings() const { return lstFindings_; }
    QCheckBox* chkMarkUnordered() const { return chkMarkUnordered_; }

private:
    Session& session_;
    std::function<void(int)> showArea_;
    QListWidget* lstFindings_ = nullptr;
    QCheckBox* chkMarkUnordered_ = nullptr;
};

}  // namespace qm
