#pragma once
// A small square filled with one colour that reports a click.

#include <QFrame>

#include <cstdint>

namespace qm {

/// A settings colour (red in the lowest byte) from a picked colour, and back.
std::int32_t SettingsColour(const QColor& colour);
QColor PickerColour(std::int32_t colour);

class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    ColourSwatch(const QString& name, QWidget* parent);

    void SetColour(std::int32_t colour);
    std::int32_t colour() const { return colour_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int32_t colour_ = 0;
};

}  // namespace qm
