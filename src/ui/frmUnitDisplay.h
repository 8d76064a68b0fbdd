#pragma once
// The unit display window: the four unit pictures and the four symbols as the
// map draws them, and a button for each kind.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace qm {

struct GameState;
struct MapState;
class WindowPort;

class frmUnitDisplay : public QDialog {
    Q_OBJECT
public:
    frmUnitDisplay(const GameState& game, MapState& map, WindowPort& port,
                   QWidget* parent = nullptr);

    QPushButton* cmdSymbol() const { return cmdSymbol_; }
    QPushButton* cmdPicture() const { return cmdPicture_; }
    /// Images 0..3 the pictures, 4..7 the symbols.
    QLabel* picUnitSymbol(int index) const {
        return picUnitSymbol_[static_cast<std::size_t>(index)];
    }

private:
    void Choose(std::int16_t display);

    const GameState& game_;
    MapState& map_;
    WindowPort& port_;
    std::array<QLabel*, 8> picUnitSymbol_{};
    QPushButton* cmdSymbol_ = nullptr;
    QPushButton* cmdPicture_ = nullptr;
};

}  // namespace qm
