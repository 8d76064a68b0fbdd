#pragma once
// Help > Map Legend: every picture of the map with its meaning, in the map's
// present colours.

#include <QDialog>

#include <vector>

class QLabel;

namespace qm {

struct DisplaySettings;

class frmMapLegend : public QDialog {
    Q_OBJECT
public:
    explicit frmMapLegend(const DisplaySettings& display, QWidget* parent = nullptr);

    /// Draws the pictures again, after the map colours changed.
    void ShowPictures();

private:
    const DisplaySettings& display_;
    std::vector<QLabel*> pictures_;
};

}  // namespace qm
