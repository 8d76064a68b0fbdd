#include "ui/ColourSwatch.h"

#include "map/Raster.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm {

std::int32_t SettingsColour(const QColor& colour) {
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

QColor PickerColour(std::int32_t colour) { return QColor::fromRgb(ToRgb(colour)); }

ColourSwatch::ColourSwatch(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::SetColour(std::int32_t colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), PickerColour(colour_));
    painter.end();
    QFrame::paintEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace qm
