#pragma once
// The merge log: what every merge of this turn filled in and every value a
// merged report saw otherwise. A double-click on an area's line selects it in
// the grid and centres it on the map.

#include <QWidget>

#include <functional>

class QListWidget;

namespace qm {

struct GameState;

class frmMergeLog : public QWidget {
    Q_OBJECT
public:
    /// showArea selects an area in the grid and centres it on the map.
    frmMergeLog(const GameState& game, std::function<void(int area)> showArea);

    /// Lists the log as it stands now.
    void Refill();

    QListWidget* lstMergeLog() const { return lstMergeLog_; }

private:
    const GameState& game_;
    std::function<void(int)> showArea_;
    QListWidget* lstMergeLog_ = nullptr;
};

}  // namespace qm
