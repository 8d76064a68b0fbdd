#include "map/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>
#include <functional>
#include <string_view>

namespace qm {

namespace {

constexpr QRgb kSet = 0xFFFFFFFF;  // flips every colour bit of the board
// Flips only green, the channel the eye weighs most: a rim in this value keeps
// a shape apart from fills whose complement is about as bright (green and magenta).
constexpr QRgb kRim = 0xFF00FF00;

QImage Blank(int width, int scale = 1) {
    QImage image(width * scale, kImageHeight * scale, QImage::Format_RGB32);
    image.fill(0);
    return image;
}

// Paints in white on black with hard edges; every painted pixel becomes a set
// pixel of the mask. At a larger scale the same shapes are drawn with as many
// more pixels, so their edges stay sharp.
QImage Painted(int width, int scale, const std::function<void(QPainter&)>& paint) {
    QImage image = Blank(width, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::white);
    paint(painter);
    return image;
}

// Pixel art twice as large with its steps smoothed (the EPX rule): a new
// pixel takes a neighbour's value where two neighbours beside it agree,
// so that slopes stay slopes instead of growing into stairs of blocks.
QImage Doubled(const QImage& image) {
    QImage doubled(image.width() * 2, image.height() * 2, QImage::Format_RGB32);
    const auto at = [&](int x, int y) {
        return x < 0 || y < 0 || x >= image.width() || y >= image.height() ? QRgb(0)
                                                                           : image.pixel(x, y);
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = at(x, y), up = at(x, y - 1), right = at(x + 1, y);
            const QRgb left = at(x - 1, y), down = at(x, y + 1);
            doubled.setPixel(2 * x, 2 * y, left == up && left != down && up != right ? up : p);
            doubled.setPixel(2 * x + 1, 2 * y,
                             up == right && up != left && right != down ? right : p);
            doubled.setPixel(2 * x, 2 * y + 1,
                             down == left && down != right && left != up ? left : p);
            doubled.setPixel(2 * x + 1, 2 * y + 1,
                             right == down && right != up && down != left ? down : p);
        }
    }
    return doubled;
}

// One row of text per pixel row, "#" set, anything else clear, placed at (left, top).
QImage FromRows(int scale, int width, int left, int top,
                std::initializer_list<std::string_view> rows) {
    QImage image = Blank(width);
    int y = top;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == '#') image.setPixel(left + x, y, kSet);
        }
        ++y;
    }
    for (int s = 1; s < scale; s *= 2) image = Doubled(image);
    return image;
}

QPolygon Star(int centreX, int centreY, double outer, double inner) {
    QPolygon star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPoint(centreX + static_cast<int>(std::lround(radius * std::cos(angle))),
                       centreY + static_cast<int>(std::lround(radius * std::sin(angle))));
    }
    return star;
}

QImage ArmyPicture(int scale) {  // a field gun
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.drawPolygon(QPolygon({{4, 9}, {27, 2}, {29, 5}, {6, 12}}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2));
        p.drawEllipse(QPoint(13, 10), 4, 4);
        p.drawLine(9, 13, 2, 14);
    });
}

// clang-format off
QImage CorpsPicture(int scale) {  // a mounted rider
    return FromRows(scale, kUnitWidth, 4, 0,
                    {"..........##...........",
                     ".........####..........",
                     "..........##...........",
                     ".........####.......##.",
                     "........######.....####",
                     "..........###.....####.",
                     "....############.#####.",
                     "..###############.##...",
                     ".################......",
                     "#################......",
                     "#.###############......",
                     "..####.......####......",
                     "..##.##.....##.##......",
                     "..##..##...##...##.....",
                     ".##....##.##.....##....",
                     ".##.....#.#.......#...."});
}

// clang-format on

QImage FleetPicture(int scale) {  // an ironclad with two funnels
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.drawPolygon(QPolygon({{0, 9}, {31, 9}, {27, 14}, {4, 14}}));
        p.drawRect(9, 6, 13, 3);
        p.drawRect(11, 2, 2, 4);
        p.drawRect(16, 2, 2, 4);
        p.drawLine(25, 1, 25, 8);
        p.drawLine(22, 7, 29, 6);
    });
}

QImage SquadronPicture(int scale) {  // a sailing frigate
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.drawPolygon(QPolygon({{5, 11}, {27, 11}, {24, 14}, {8, 14}}));
        p.drawPolygon(QPolygon({{12, 1}, {12, 9}, {5, 9}}));
        p.drawPolygon(QPolygon({{15, 0}, {15, 9}, {24, 9}}));
        p.drawLine(14, 0, 14, 10);
    });
}

QImage ArmySymbol(int scale) {  // the infantry box
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(5, 2, 21, 11);
        p.drawLine(6, 3, 25, 12);
        p.drawLine(6, 12, 25, 3);
    });
}

QImage CorpsSymbol(int scale) {  // the cavalry box
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(5, 2, 21, 11);
        p.drawLine(6, 12, 25, 3);
    });
}

QImage FleetSymbol(int scale) {  // a solid hull under a mast
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.drawPolygon(QPolygon({{3, 7}, {28, 7}, {23, 13}, {8, 13}}));
        p.drawRect(15, 1, 1, 6);
        p.drawRect(11, 2, 9, 1);
    });
}

QImage SquadronSymbol(int scale) {  // an open hull under a mast
    return Painted(kUnitWidth, scale, [](QPainter& p) {
        p.drawRect(15, 1, 1, 6);
        p.drawRect(11, 2, 9, 1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolygon(QPolygon({{4, 8}, {27, 8}, {23, 13}, {8, 13}}));
    });
}

std::array<QImage, 10> Digits(int scale) {
    // Bold figures, 6 x 10, with a clear column either side so numbers read apart.
    // clang-format off
    static constexpr std::string_view kFigures[10][10] = {
        {".####.", "##..##", "##..##", "##.###", "##.###", "###.##", "###.##", "##..##", "##..##", ".####."},
        {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"},
        {".####.", "##..##", "....##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######"},
        {".####.", "##..##", "....##", "....##", "..###.", "....##", "....##", "....##", "##..##", ".####."},
        {"...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##.", "...##."},
        {"######", "##....", "##....", "#####.", "....##", "....##", "....##", "....##", "##..##", ".####."},
        {".####.", "##..##", "##....", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####."},
        {"######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##..", "..##.."},
        {".####.", "##..##", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", "##..##", ".####."},
        {".####.", "##..##", "##..##", "##..##", "##..##", ".#####", "....##", "....##", "##..##", ".####."},
    };
    // clang-format on
    std::array<QImage, 10> digits;
    for (std::size_t d = 0; d < digits.size(); ++d) {
        const auto& f = kFigures[d];
        digits[d] = FromRows(scale, kDigitWidth, 1, 3,
                             {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]});
    }
    return digits;
}

std::array<QImage, 3> WideMarkers(int scale) {
    return {Painted(kUnitWidth, scale, [](QPainter& p) { p.drawEllipse(QPoint(16, 8), 3, 3); }),
            Painted(kUnitWidth, scale,
                    [](QPainter& p) {
                        p.drawEllipse(QPoint(11, 8), 3, 3);
                        p.drawEllipse(QPoint(21, 8), 3, 3);
                    }),
            Painted(kUnitWidth, scale, [](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.drawPolygon(Star(16, 8, 7.5, 3.2), Qt::WindingFill);
            })};
}

std::array<QImage, 3> NarrowMarkers(int scale) {
    return {FromRows(scale, kDigitWidth, 1, 5,
                     {"..##..", ".####.", "######", "######", ".####.", "..##.."}),
            FromRows(scale, kDigitWidth, 1, 2,
                     {"..##..", ".####.", "######", ".####.", "..##..", "......", "......",
                      "..##..", ".####.", "######", ".####.", "..##.."}),
            FromRows(scale, kDigitWidth, 0, 4,
                     {"...#...", "...#...", "..###..", "#######", ".#####.", "..###..", ".##.##.",
                      "##...##"})};
}

// Adds a rim `reach` pixels wide around every set pixel (counting steps
// sideways and up and down).
QImage WithRim(QImage image, int reach) {
    const QImage shape = image;
    const auto set = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() &&
               shape.pixel(x, y) == kSet;
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (set(x, y)) continue;
            bool touches = false;
            for (int dy = -reach; dy <= reach && !touches; ++dy)
                for (int dx = -reach + std::abs(dy); dx <= reach - std::abs(dy) && !touches; ++dx)
                    touches = set(x + dx, y + dy);
            if (touches) image.setPixel(x, y, kRim);
        }
    }
    return image;
}

template <std::size_t N>
std::array<QImage, N> WithRims(std::array<QImage, N> images, int reach) {
    for (QImage& image : images) image = WithRim(image, reach);
    return images;
}

Artwork DrawArtwork(int scale) {
    Artwork art;
    art.scale = scale;
    art.picUnit = WithRims<8>(
        {ArmyPicture(scale), CorpsPicture(scale), FleetPicture(scale), SquadronPicture(scale),
         ArmySymbol(scale), CorpsSymbol(scale), FleetSymbol(scale), SquadronSymbol(scale)},
        scale);
    art.picDigit = WithRims(Digits(scale), scale);
    art.picSupplyWide = WithRims(WideMarkers(scale), scale);
    art.picSupplyNarrow = WithRims(NarrowMarkers(scale), scale);
    return art;
}

}  // namespace

const Artwork& StandardArtwork(int scale) {
    // Each drawn only when first asked for: a plain screen never draws the dense one.
    if (scale >= 2) {
        static const Artwork dense = DrawArtwork(2);
        return dense;
    }
    static const Artwork single = DrawArtwork(1);
    return single;
}

}  // namespace qm
