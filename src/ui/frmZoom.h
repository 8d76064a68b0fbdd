#pragma once
// The zoom window: one scroll bar for the cell size. It only asks; the caller
// applies the bar's position once the window closes.

#include <QDialog>

#include <cstdint>

class QScrollBar;

namespace qm {

class frmZoom : public QDialog {
    Q_OBJECT
public:
    /// The bar runs from 6 to the mode's largest size and starts at hexSize.
    frmZoom(std::int16_t hexDisplay, std::int16_t hexSize, QWidget* parent = nullptr);

    QScrollBar* hsbZoom() const { return hsbZoom_; }
    /// The size chosen: the bar's position as it stands.
    int position() const;

private:
    QScrollBar* hsbZoom_ = nullptr;
};

}  // namespace qm
