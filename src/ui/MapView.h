#pragma once
// picView: shows the map window's view picture and passes the mouse on.

#include <QImage>
#include <QWidget>

#include <QPolygon>

#include <functional>
#include <vector>

namespace qm {

class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(const QImage& picture, QWidget* parent = nullptr);

    std::function<void(QMouseEvent&)> onMove;
    std::function<void(QMouseEvent&)> onPress;
    std::function<void(QMouseEvent&)> onRelease;
    std::function<void(QMouseEvent&)> onDoubleClick;
    std::function<void(QWheelEvent&)> onWheel;
    std::function<void(QKeyEvent&)> onKey;
    std::function<void()> onLeave;

    /// Cells drawn marked on top of the picture (the source of a waiting order).
    void SetMarkedCells(std::vector<QPolygon> cells);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& picture_;  // the session's view picture; it outlives the window
    std::vector<QPolygon> marked_;
};

}  // namespace qm
