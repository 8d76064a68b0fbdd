#include "ui/MapView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace qm {

MapView::MapView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setObjectName(QStringLiteral("picView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void MapView::SetMarkedCells(std::vector<QPolygon> cells) {
    if (cells == marked_) return;
    marked_ = std::move(cells);
    update();
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
    // Lightened and hatched, so that the mark shows on every fill colour. The
    // cells come in the picture's pixels.
    if (!picture_.isNull())
        painter.scale(1 / picture_.devicePixelRatio(), 1 / picture_.devicePixelRatio());
    painter.setPen(Qt::NoPen);
    for (const QPolygon& cell : marked_) {
        painter.setBrush(QColor(255, 255, 255, 110));
        painter.drawPolygon(cell);
        painter.setBrush(QBrush(QColor(0, 0, 0, 150), Qt::BDiagPattern));
        painter.drawPolygon(cell);
    }
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

namespace qm {

void MapView::wheelEvent(QWheelEvent* event) {
    if (onWheel) onWheel(*event);
}

void MapView::keyPressEvent(QKeyEvent* event) {
    if (onKey) onKey(*event);
    if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

void MapView::leaveEvent(QEvent* event) {
    if (onLeave) onLeave();
    QWidget::leaveEvent(event);
}

}  // namespace qm
