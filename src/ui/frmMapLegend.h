#pragma once
// Help > Map Legend: every picture of the map with its meaning.

#include <QDialog>

namespace qm {

struct DisplaySettings;

class frmMapLegend : public QDialog {
    Q_OBJECT
public:
    explicit frmMapLegend(const DisplaySettings& display, QWidget* parent = nullptr);
};

}  // namespace qm
