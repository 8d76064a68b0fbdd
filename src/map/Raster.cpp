#include "map/Raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace qm {

namespace {

QRgb* Row(QImage& picture, int y) { return reinterpret_cast<QRgb*>(picture.scanLine(y)); }

void FillSpan(QImage& picture, int y, int left, int right, QRgb colour) {
    if (y < 0 || y >= picture.height()) return;
    left = std::max(left, 0);
    right = std::min(right, picture.width() - 1);
    if (left > right) return;
    std::fill_n(Row(picture, y) + left, right - left + 1, colour);
}

void Plot(QImage& picture, int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
    Row(picture, y)[x] = colour;
}

// x of the side from a to b at height y, rounded half away from a's side the
// way a one-pixel outline would be stepped.
int SideX(QPoint a, QPoint b, int y) {
    const int dy = b.y() - a.y();
    if (dy == 0) return a.x();
    const int num = 2 * (b.x() - a.x()) * (y - a.y()) + dy;
    return a.x() + (num >= 0 ? num / (2 * dy) : -((-num + 2 * dy - 1) / (2 * dy)));
}

}  // namespace

void FillCell(QImage& picture, const std::array<QPoint, 6>& p, QRgb colour) {
    const int top = p[0].y();
    const int middle = p[2].y();
    const int bottom = p[3].y();
    const int first = std::max(top, 0);
    const int last = std::min(bottom, picture.height() - 1);
    for (int y = first; y <= last; ++y) {
        const bool upper = y <= middle;
        const int left = upper ? SideX(p[0], p[5], y) : SideX(p[5], p[4], y);
        const int right = upper ? SideX(p[1], p[2], y) : SideX(p[2], p[3], y);
        FillSpan(picture, y, std::min(left, right), std::max(left, right), colour);
    }
}

void DrawWideLine(QImage& picture, QPoint from, QPoint to, QRgb colour) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx < 0) std::swap(from, to);
        const int span = std::abs(dx);
        for (int i = 0; i <= span; ++i) {
            const int x = from.x() + i;
            const int y = span == 0 ? from.y() : SideX({from.y(), from.x()}, {to.y(), to.x()}, x);
            Plot(picture, x, y - 1, colour);
            Plot(picture, x, y, colour);
        }
    } else {
        if (dy < 0) std::swap(from, to);
        for (int y = from.y(); y <= to.y(); ++y) {
            const int x = SideX(from, to, y);
            Plot(picture, x - 1, y, colour);
            Plot(picture, x, y, colour);
        }
    }
}

void FillRectangle(QImage& picture, int left, int top, int right, int bottom, QRgb colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, picture.height()); ++y) {
        FillSpan(picture, y, left, right - 1, colour);
    }
}

void XorImage(QImage& picture, int x, int y, const QImage& image, int sourceX, int width) {
    const int first = std::max(0, -x);
    const int last = std::min(width, picture.width() - x);
    if (first >= last) return;
    for (int row = std::max(0, -y); row < std::min(image.height(), picture.height() - y); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(row)) + sourceX;
        QRgb* target = Row(picture, y + row) + x;
        for (int column = first; column < last; ++column) {
            target[column] ^= source[column] & 0x00FFFFFFu;
        }
    }
}

void CopyBlock(QImage& target, int x, int y, const QImage& source, int sourceX, int sourceY,
               int width, int height) {
    // Clip against the source, then the target.
    const int skipX = std::max({0, -sourceX, -x});
    const int skipY = std::max({0, -sourceY, -y});
    width = std::min({width, source.width() - sourceX, target.width() - x}) - skipX;
    height = std::min({height, source.height() - sourceY, target.height() - y}) - skipY;
    if (width <= 0 || height <= 0) return;
    const auto bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    for (int row = 0; row < height; ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(sourceY + skipY + row)) + sourceX +
            skipX;
        std::memcpy(Row(target, y + skipY + row) + x + skipX, from, bytes);
    }
}

}  // namespace qm
