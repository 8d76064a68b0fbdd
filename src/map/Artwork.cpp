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

QImage Blank(int width) {
    QImage image(width, kImageHeight, QImage::Format_RGB32);
    image.fill(0);
    return image;
}

// Paints in white on black with hard edges; every painted pixel becomes a set
// pixel of the mask.
QImage Painted(int width, const std::function<void(QPainter&)>& paint) {
    QImage image = Blank(width);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::white);
    paint(painter);
    return image;
}

// One row of text per pixel row, "#" set, anything else clear, placed at (left, top).
QImage FromRows(int width, int left, int top, std::initializer_list<std::string_view> rows) {
    QImage image = Blank(width);
    int y = top;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == '#') image.setPixel(left + x, y, kSet);
        }
        ++y;
    }
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

QImage ArmyPicture() {  // a field gun
    return Painted(kUnitWidth, [](QPainter& p) {
        p.drawPolygon(QPolygon({{4, 9}, {27, 2}, {29, 5}, {6, 12}}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2));
        p.drawEllipse(QPoint(13, 10), 4, 4);
        p.drawLine(9, 13, 2, 14);
    });
}

// clang-format off
QImage CorpsPicture() {  // a mounted rider
    return FromRows(kUnitWidth, 4, 0,
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

QImage FleetPicture() {  // an ironclad with two funnels
    return Painted(kUnitWidth, [](QPainter& p) {
        p.drawPolygon(QPolygon({{0, 9}, {31, 9}, {27, 14}, {4, 14}}));
        p.drawRect(9, 6, 13, 3);
        p.drawRect(11, 2, 2, 4);
        p.drawRect(16, 2, 2, 4);
        p.drawLine(25, 1, 25, 8);
        p.drawLine(22, 7, 29, 6);
    });
}

QImage SquadronPicture() {  // a sailing frigate
    return Painted(kUnitWidth, [](QPainter& p) {
        p.drawPolygon(QPolygon({{5, 11}, {27, 11}, {24, 14}, {8, 14}}));
        p.drawPolygon(QPolygon({{12, 1}, {12, 9}, {5, 9}}));
        p.drawPolygon(QPolygon({{15, 0}, {15, 9}, {24, 9}}));
        p.drawLine(14, 0, 14, 10);
    });
}

QImage ArmySymbol() {  // the infantry box
    return Painted(kUnitWidth, [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(5, 2, 21, 11);
        p.drawLine(6, 3, 25, 12);
        p.drawLine(6, 12, 25, 3);
    });
}

QImage CorpsSymbol() {  // the cavalry box
    return Painted(kUnitWidth, [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(5, 2, 21, 11);
        p.drawLine(6, 12, 25, 3);
    });
}

QImage FleetSymbol() {  // a solid hull under a mast
    return Painted(kUnitWidth, [](QPainter& p) {
        p.drawPolygon(QPolygon({{3, 7}, {28, 7}, {23, 13}, {8, 13}}));
        p.drawRect(15, 1, 1, 6);
        p.drawRect(11, 2, 9, 1);
    });
}

QImage SquadronSymbol() {  // an open hull under a mast
    return Painted(kUnitWidth, [](QPainter& p) {
        p.drawRect(15, 1, 1, 6);
        p.drawRect(11, 2, 9, 1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolygon(QPolygon({{4, 8}, {27, 8}, {23, 13}, {8, 13}}));
    });
}

std::array<QImage, 10> Digits() {
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
        digits[d] = FromRows(kDigitWidth, 1, 3,
                             {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]});
    }
    return digits;
}

std::array<QImage, 3> WideMarkers() {
    return {Painted(kUnitWidth, [](QPainter& p) { p.drawEllipse(QPoint(16, 8), 3, 3); }),
            Painted(kUnitWidth,
                    [](QPainter& p) {
                        p.drawEllipse(QPoint(11, 8), 3, 3);
                        p.drawEllipse(QPoint(21, 8), 3, 3);
                    }),
            Painted(kUnitWidth, [](QPainter& p) {
                p.setPen(Qt::NoPen);
                p.drawPolygon(Star(16, 8, 7.5, 3.2), Qt::WindingFill);
            })};
}

std::array<QImage, 3> NarrowMarkers() {
    return {
        FromRows(kDigitWidth, 1, 5, {"..##..", ".####.", "######", "######", ".####.", "..##.."}),
        FromRows(kDigitWidth, 1, 2,
                 {"..##..", ".####.", "######", ".####.", "..##..", "......", "......", "..##..",
                  ".####.", "######", ".####.", "..##.."}),
        FromRows(kDigitWidth, 0, 4,
                 {"...#...", "...#...", "..###..", "#######", ".#####.", "..###..", ".##.##.",
                  "##...##"})};
}

// Adds a one-pixel rim around every set pixel (sideways and up and down).
QImage WithRim(QImage image) {
    const QImage shape = image;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (shape.pixel(x, y) == kSet) continue;
            const bool touches = (x > 0 && shape.pixel(x - 1, y) == kSet) ||
                                 (x + 1 < image.width() && shape.pixel(x + 1, y) == kSet) ||
                                 (y > 0 && shape.pixel(x, y - 1) == kSet) ||
                                 (y + 1 < image.height() && shape.pixel(x, y + 1) == kSet);
            if (touches) image.setPixel(x, y, kRim);
        }
    }
    return image;
}

template <std::size_t N>
std::array<QImage, N> WithRims(std::array<QImage, N> images) {
    for (QImage& image : images) image = WithRim(image);
    return images;
}

Artwork DrawArtwork() {
    Artwork art;
    art.picUnit = WithRims<8>({ArmyPicture(), CorpsPicture(), FleetPicture(), SquadronPicture(),
                               ArmySymbol(), CorpsSymbol(), FleetSymbol(), SquadronSymbol()});
    art.picDigit = WithRims(Digits());
    art.picSupplyWide = WithRims(WideMarkers());
    art.picSupplyNarrow = WithRims(NarrowMarkers());
    return art;
}

}  // namespace

const Artwork& StandardArtwork() {
    static const Artwork art = DrawArtwork();
    return art;
}

}  // namespace qm
