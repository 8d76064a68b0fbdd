#include "ui/frmZoom.h"

#include "map/DisplaySettings.h"
#include "map/ResizeView.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace qm {

frmZoom::frmZoom(std::int16_t hexDisplay, std::int16_t hexSize, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral("Zoom map"));
    auto* layout = new QVBoxLayout(this);
    hsbZoom_ = new QScrollBar(Qt::Horizontal, this);
    hsbZoom_->setObjectName(QStringLiteral("hsbZoom"));
    hsbZoom_->setRange(kMinHexSize, MaxHexSize(hexDisplay));
    // The arrows step through the even sizes; dragging may stop anywhere.
    hsbZoom_->setSingleStep(2);
    hsbZoom_->setPageStep(6);
    hsbZoom_->setValue(hexSize);
    hsbZoom_->setMinimumWidth(240);
    layout->addWidget(hsbZoom_);
}

int frmZoom::position() const { return hsbZoom_->value(); }

}  // namespace qm
