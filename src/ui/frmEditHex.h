#pragma once
// The hex editor: one cell's area, six border sides and three labels. It is
// made once and kept, so that it still holds the last cell edited.

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

struct GameState;
struct HexGrid;

class frmEditHex : public QDialog {
    Q_OBJECT
public:
    frmEditHex(GameState& game, HexGrid& hexes, QWidget* parent = nullptr);

    /// Fills the controls from cell (column, row).
    void ShowCell(int column, int row);

    QLabel* lblX() const { return lblX_; }
    QLabel* lblY() const { return lblY_; }
    QLineEdit* txtArea() const { return txtArea_; }
    QCheckBox* chkBorder(int side) const { return chkBorder_[static_cast<std::size_t>(side)]; }
    QCheckBox* chkDisplay(int index) const { return chkDisplay_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    void Store();

    GameState& game_;
    HexGrid& hexes_;
    QLabel* lblX_ = nullptr;
    QLabel* lblY_ = nullptr;
    QLineEdit* txtArea_ = nullptr;
    std::array<QCheckBox*, 7> chkBorder_{};  // sides 1..6
    std::array<QCheckBox*, 3> chkDisplay_{};
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace qm
