#pragma once
// The Changes window: what changed between two turns of the game's history
// (by default the kept turn before the loaded one and the loaded one), and
// what became of the first one's orders. A double-click on an entry shows
// its area; a check box marks the changed areas on the map.

#include "files/TurnArchive.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QListWidget;

namespace qm {

struct Session;
class Turn;

class frmChanges : public QWidget {
    Q_OBJECT
public:
    frmChanges(Session& session, Turn& turn, std::function<void(int area)> showArea);

    /// The turns to pick from again, and the list between the picked two.
    void Refill();

    QListWidget* lstChanges() const { return lstChanges_; }
    QComboBox* cboBefore() const { return cboBefore_; }
    QComboBox* cboAfter() const { return cboAfter_; }
    QCheckBox* chkMarkChanges() const { return chkMarkChanges_; }

private:
    void List();

    Session& session_;
    Turn& turn_;
    std::function<void(int)> showArea_;
    std::vector<ReportTurn> turns_;  // what the two boxes offer, in their order
    QComboBox* cboBefore_ = nullptr;
    QComboBox* cboAfter_ = nullptr;
    QListWidget* lstChanges_ = nullptr;
    QCheckBox* chkMarkChanges_ = nullptr;
};

}  // namespace qm
