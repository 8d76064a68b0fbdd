#pragma once
// The Your Areas window: a snapshot of the current player's areas and units,
// rebuilt on Refresh.

#include <QWidget>

class QListWidget;
class QPushButton;

namespace qm {

struct GameState;

class frmYourAreas : public QWidget {
    Q_OBJECT
public:
    explicit frmYourAreas(const GameState& game, QWidget* parent = nullptr);

    QListWidget* lstYourAreas() const { return lstYourAreas_; }
    QPushButton* cmdRefreash() const { return cmdRefreash_; }

private:
    void FillList();

    const GameState& game_;
    QListWidget* lstYourAreas_ = nullptr;
    QPushButton* cmdRefreash_ = nullptr;
};

}  // namespace qm
