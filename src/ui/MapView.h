#pragma once
// picView: shows the map window's view picture and passes the mouse on.

#include <QImage>
#include <QWidget>

#include <functional>

namespace qm {

class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(const QImage& picture, QWidget* parent = nullptr);

    std::function<void(QMouseEvent&)> onMove;
    std::function<void(QMouseEvent&)> onPress;
    std::function<void(QMouseEvent&)> onRelease;
    std::function<void(QMouseEvent&)> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage& picture_;  // the session's view picture; it outlives the window
};

}  // namespace qm
