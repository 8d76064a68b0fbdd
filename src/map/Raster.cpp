#include "map/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace qm {

namespace {

// The picture's pixels, fetched once per call: every scanLine() on a
// QImage checks whether it must detach, which costs more than a pixel.
struct Canvas {
    explicit Canvas(QImage& picture)
        : bits(reinterpret_cast<QRgb*>(picture.bits())),
          stride(static_cast<int>(picture.bytesPerLine() / sizeof(QRgb))),
          width(picture.width()),
          height(picture.height()) {}

    QRgb* Row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * stride; }

    void Plot(int x, int y, QRgb colour) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        Row(y)[x] = colour;
    }

    void FillSpan(int y, int left, int right, QRgb colour) const {
        if (y < 0 || y >= height) return;
        left = std::max(left, 0);
        right = std::min(right, width - 1);
        if (left > right) return;
        std::fill_n(Row(y) + left, right - left + 1, colour);
    }

    QRgb* bits;
    int stride;
    int width;
    int height;
};

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
    const Canvas canvas(picture);
    const int top = p[0].y();
    const int middle = p[2].y();
    const int bottom = p[3].y();
    const int first = std::max(top, 0);
    const int last = std::min(bottom, picture.height() - 1);
    for (int y = first; y <= last; ++y) {
        const bool upper = y <= middle;
        const int left = upper ? SideX(p[0], p[5], y) : SideX(p[5], p[4], y);
        const int right = upper ? SideX(p[1], p[2], y) : SideX(p[2], p[3], y);
        canvas.FillSpan(y, std::min(left, right), std::max(left, right), colour);
    }
}

void DrawWideLine(QImage& picture, QPoint from, QPoint to, QRgb colour) {
    const Canvas canvas(picture);
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx < 0) std::swap(from, to);
        const int span = std::abs(dx);
        for (int i = 0; i <= span; ++i) {
            const int x = from.x() + i;
            const int y = span == 0 ? from.y() : SideX({from.y(), from.x()}, {to.y(), to.x()}, x);
            canvas.Plot(x, y - 1, colour);
            canvas.Plot(x, y, colour);
        }
    } else {
        if (dy < 0) std::swap(from, to);
        for (int y = from.y(); y <= to.y(); ++y) {
            const int x = SideX(from, to, y);
            canvas.Plot(x - 1, y, colour);
            canvas.Plot(x, y, colour);
        }
    }
}

void DrawLine(QImage& picture, QPointF from, QPointF to, int width, QRgb colour) {
    const Canvas canvas(picture);
    const int half = width / 2;
    // Halves always round up, so that a line moved by whole pixels covers the
    // same pixels moved: the view and the arrow layer under it then agree.
    const auto round = [](double v) { return std::floor(v + 0.5); };
    const double x0 = round(from.x()), y0 = round(from.y());
    const double x1 = round(to.x()), y1 = round(to.y());
    const bool alongX = std::abs(x1 - x0) >= std::abs(y1 - y0);
    // Step along the longer axis, only over the part that can touch the picture.
    const double start = alongX ? std::min(x0, x1) : std::min(y0, y1);
    const double end = alongX ? std::max(x0, x1) : std::max(y0, y1);
    const double limit = (alongX ? picture.width() : picture.height()) + half;
    const double first = std::max(start, static_cast<double>(-half));
    const double last = std::min(end, limit);
    if (first > last) return;
    const double slope = end == start ? 0.0
                         : alongX     ? (y1 - y0) / (x1 - x0)
                                      : (x1 - x0) / (y1 - y0);
    for (int step = static_cast<int>(first); step <= static_cast<int>(last); ++step) {
        const int across =
            static_cast<int>(round(alongX ? y0 + (step - x0) * slope : x0 + (step - y0) * slope));
        if (alongX) {
            for (int i = -half; i <= half; ++i) canvas.Plot(step, across + i, colour);
        } else {
            if (across + half < 0 || across - half >= picture.width() || step < 0 ||
                step >= picture.height()) {
                continue;
            }
            for (int i = -half; i <= half; ++i) canvas.Plot(across + i, step, colour);
        }
    }
    if (half == 0) return;
    // Rounded ends: the square around each end without its corners.
    for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
        for (int dy = -half; dy <= half; ++dy) {
            for (int dx = -half; dx <= half; ++dx) {
                if (std::abs(dx) == half && std::abs(dy) == half && half > 0) continue;
                canvas.Plot(static_cast<int>(x) + dx, static_cast<int>(y) + dy, colour);
            }
        }
    }
}

void FillRectangle(QImage& picture, int left, int top, int right, int bottom, QRgb colour) {
    const Canvas canvas(picture);
    for (int y = std::max(top, 0); y < std::min(bottom, picture.height()); ++y) {
        canvas.FillSpan(y, left, right - 1, colour);
    }
}

void XorImage(QImage& picture, int x, int y, const QImage& image, int sourceX, int width) {
    const int first = std::max(0, -x);
    const int last = std::min(width, picture.width() - x);
    if (first >= last) return;
    const Canvas canvas(picture);
    for (int row = std::max(0, -y); row < std::min(image.height(), picture.height() - y); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(row)) + sourceX;
        QRgb* target = canvas.Row(y + row) + x;
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
    const Canvas canvas(target);
    for (int row = 0; row < height; ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(sourceY + skipY + row)) + sourceX +
            skipX;
        std::memcpy(canvas.Row(y + skipY + row) + x + skipX, from, bytes);
    }
}

}  // namespace qm
