#pragma once
// The Relations window: who is allied with whom and who is at war, taken when it opens.

#include <QDialog>

class QTableWidget;

namespace qm {

struct GameState;

class frmRelations : public QDialog {
    Q_OBJECT
public:
    explicit frmRelations(const GameState& game, QWidget* parent = nullptr);
    QTableWidget* grdRelations() const { return grdRelations_; }

private:
    QTableWidget* grdRelations_ = nullptr;
};

}  // namespace qm
