#pragma once
// The Map Options window: one swatch per map colour; a click on a swatch opens
// the colour chooser and puts its answer straight into the display settings.
// The map is redrawn by the caller once the window closes.

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;

namespace qm {

struct DisplaySettings;
struct GameState;
class ColourSwatch;

class frmMapOptions : public QDialog {
    Q_OBJECT
public:
    /// Pixel pitches of the pairs, from the design's 1560 and 360 twips.
    static const int kAcross;
    static const int kDown;

    frmMapOptions(DisplaySettings& display, const GameState& game, QWidget* parent = nullptr);

    ColourSwatch* picArrow(int index) const { return picArrow_[static_cast<std::size_t>(index)]; }
    ColourSwatch* picColour(int index) const { return picColour_[static_cast<std::size_t>(index)]; }
    ColourSwatch* picWater() const { return picWater_; }
    ColourSwatch* picBorders() const { return picBorders_; }
    QLabel* lblColour(int index) const { return lblColour_[static_cast<std::size_t>(index)]; }

private:
    ColourSwatch* AddPair(const QString& name, const QString& caption, QPoint at,
                          std::int32_t& value, QLabel** label = nullptr);
    void Choose(ColourSwatch& swatch, std::int32_t& value);
    void ShowColours();

    DisplaySettings& display_;
    std::array<ColourSwatch*, 4> picArrow_{};
    std::array<ColourSwatch*, 13> picColour_{};
    std::array<QLabel*, 13> lblColour_{};
    ColourSwatch* picWater_ = nullptr;
    ColourSwatch* picBorders_ = nullptr;
};

}  // namespace qm
