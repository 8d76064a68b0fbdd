#include "ui/MapView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace qm {

MapView::MapView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setObjectName(QStringLiteral("picView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(*event);
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(*event);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(*event);
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClick) onDoubleClick(*event);
}

}  // namespace qm
