// Draws the program's icon as PNGs for the icon theme's fixed sizes:
//   make_icons ICON.svg OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/zez-qm.png for each size. It reads the few
// SVG elements the icon is made of (groups that carry fill and stroke,
// polygons, paths of absolute moves and lines), so that the SVG stays the one
// home of the design; anything else in it stops the tool before it writes.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Style {
    QString fill = QStringLiteral("#000000");  // SVG's defaults
    QString stroke = QStringLiteral("none");
    double strokeWidth = 1;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    Qt::PenCapStyle cap = Qt::FlatCap;
};

struct Shape {
    QPainterPath path;
    Style style;
};

struct Icon {
    double viewSize = 0;
    std::vector<Shape> shapes;
};

// The numbers of a points or d attribute, with the commands M and L between them.
std::optional<QPainterPath> ParsePath(const QString& text, bool polygon) {
    static const QRegularExpression token(QStringLiteral("[ML]|-?[0-9]+(\\.[0-9]+)?|[^\\s,]"));
    QPainterPath path;
    std::vector<double> numbers;
    QChar command = polygon ? u'M' : QChar();
    auto flush = [&]() {
        if (numbers.empty()) return true;
        if (numbers.size() % 2 != 0 || command.isNull()) return false;
        for (std::size_t i = 0; i < numbers.size(); i += 2) {
            const QPointF point(numbers[i], numbers[i + 1]);
            if (command == u'M') {
                path.moveTo(point);
                command = u'L';  // further pairs after a move are lines
            } else {
                path.lineTo(point);
            }
        }
        numbers.clear();
        return true;
    };
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QString part = it.next().captured();
        if (part == u'M' || part == u'L') {
            if (polygon || !flush()) return std::nullopt;
            command = part[0];
        } else if (part[0].isDigit() || part[0] == u'-') {
            numbers.push_back(part.toDouble());
        } else {
            return std::nullopt;
        }
    }
    if (!flush() || path.isEmpty()) return std::nullopt;
    if (polygon) path.closeSubpath();
    return path;
}

// Applies one presentation attribute; false for one the tool does not know.
bool ApplyStyle(Style& style, QStringView name, const QString& value) {
    if (name == u"fill") {
        style.fill = value;
    } else if (name == u"stroke") {
        style.stroke = value;
    } else if (name == u"stroke-width") {
        bool ok = false;
        style.strokeWidth = value.toDouble(&ok);
        return ok;
    } else if (name == u"stroke-linejoin") {
        if (value == u"round")
            style.join = Qt::RoundJoin;
        else if (value == u"bevel")
            style.join = Qt::BevelJoin;
        else if (value == u"miter")
            style.join = Qt::MiterJoin;
        else
            return false;
    } else if (name == u"stroke-linecap") {
        if (value == u"round")
            style.cap = Qt::RoundCap;
        else if (value == u"square")
            style.cap = Qt::SquareCap;
        else if (value == u"butt")
            style.cap = Qt::FlatCap;
        else
            return false;
    } else {
        return false;
    }
    return true;
}

bool ValidColour(const QString& value) {
    return value == u"none" || QColor::isValidColorName(value);
}

std::optional<Icon> ReadIcon(const QByteArray& svg, QString& error) {
    Icon icon;
    std::vector<Style> styles = {Style{}};
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == u"g") styles.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement) continue;
        const QStringView element = xml.name();
        Style style = styles.back();
        QString geometry;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            const QStringView name = attribute.name();
            const QString value = attribute.value().toString();
            if (element == u"svg") {
                if (name == u"viewBox") {
                    const QStringList box = value.split(u' ', Qt::SkipEmptyParts);
                    if (box.size() != 4 || box[0] != u"0" || box[1] != u"0" || box[2] != box[3]) {
                        error = QStringLiteral("a view box other than a square from 0,0");
                        return std::nullopt;
                    }
                    icon.viewSize = box[2].toDouble();
                }
                continue;  // width, height and the namespace follow the view box
            }
            if ((element == u"polygon" && name == u"points") ||
                (element == u"path" && name == u"d")) {
                geometry = value;
            } else if (!ApplyStyle(style, name, value)) {
                error = QStringLiteral("the attribute %1=\"%2\"").arg(name, value);
                return std::nullopt;
            }
        }
        if (!ValidColour(style.fill) || !ValidColour(style.stroke)) {
            error = QStringLiteral("a colour that is not a colour");
            return std::nullopt;
        }
        if (element == u"g") {
            styles.push_back(style);
        } else if (element == u"polygon" || element == u"path") {
            const std::optional<QPainterPath> path = ParsePath(geometry, element == u"polygon");
            if (!path) {
                error = QStringLiteral("the %1 \"%2\"").arg(element, geometry);
                return std::nullopt;
            }
            icon.shapes.push_back({*path, style});
        } else if (element != u"svg") {
            error = QStringLiteral("the element <%1>").arg(element);
            return std::nullopt;
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
        return std::nullopt;
    }
    if (icon.viewSize <= 0 || icon.shapes.empty()) {
        error = QStringLiteral("no view box or nothing to draw");
        return std::nullopt;
    }
    return icon;
}

QImage DrawIcon(const Icon& icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / icon.viewSize, size / icon.viewSize);
    for (const Shape& shape : icon.shapes) {
        const Style& style = shape.style;
        if (style.fill != u"none") painter.fillPath(shape.path, QColor(style.fill));
        if (style.stroke != u"none")
            painter.strokePath(shape.path, QPen(QColor(style.stroke), style.strokeWidth,
                                                Qt::SolidLine, style.cap, style.join));
    }
    return image;
}

int Fail(const QString& text) {
    std::fprintf(stderr, "make_icons: %s\n", qPrintable(text));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) return Fail(QStringLiteral("usage: make_icons ICON.svg OUTDIR SIZE..."));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) return Fail(file.fileName() + ": cannot be read");
    QString error;
    const std::optional<Icon> icon = ReadIcon(file.readAll(), error);
    if (!icon) return Fail(file.fileName() + ": cannot draw " + error);
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024)
            return Fail(QStringLiteral("not a size: ") + QString::fromLocal8Bit(argv[i]));
        sizes.push_back(size);
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const int size : sizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        const QString path = folder + QStringLiteral("/zez-qm.png");
        if (!QDir().mkpath(folder) || !DrawIcon(*icon, size).save(path, "PNG"))
            return Fail(path + ": cannot be written");
    }
    return 0;
}
