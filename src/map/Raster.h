#pragma once
// Direct pixel drawing on 32-bit pictures: the few shapes the board is made
// of, without a painter's set-up cost per cell. Everything is clipped to the
// picture.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRgb>

#include <array>
#include <cstdint>

namespace qm {

/// A settings colour (red in the lowest byte) as a picture pixel.
inline QRgb ToRgb(std::int32_t colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

/// A colour halfway to white: what an area wears that was last seen so.
inline QRgb Faded(QRgb colour) {
    return qRgb((qRed(colour) + 255) / 2, (qGreen(colour) + 255) / 2, (qBlue(colour) + 255) / 2);
}

/// A cell outline P0..P5 (convex, top and bottom edges level) filled with its
/// own outline, every pixel on the outline included.
void FillCell(QImage& picture, const std::array<QPoint, 6>& outline, QRgb colour);

/// A line two pixels wide, both ends included; the second pixel lies left of
/// or above the line's own.
void DrawWideLine(QImage& picture, QPoint from, QPoint to, QRgb colour);

/// A line of odd width (1, 3 or 5) between points rounded to whole pixels, with
/// rounded ends; for the order arrows on the view.
void DrawLine(QImage& picture, QPointF from, QPointF to, int width, QRgb colour);

/// The rectangle from `left, top` to `right, bottom`, excluding the right
/// column and the bottom row.
void FillRectangle(QImage& picture, int left, int top, int right, int bottom, QRgb colour);

/// Combines `width` columns of `image` from `sourceX` on with the picture at
/// (x, y) by exclusive-or of the colour values.
void XorImage(QImage& picture, int x, int y, const QImage& image, int sourceX, int width);
inline void XorImage(QImage& picture, int x, int y, const QImage& image) {
    XorImage(picture, x, y, image, 0, image.width());
}

/// Copies a block of `source` to (x, y) of `target`, clipped to both.
void CopyBlock(QImage& target, int x, int y, const QImage& source, int sourceX, int sourceY,
               int width, int height);

}  // namespace qm
