#include "map/DisplaySettingsFile.h"

#include "map/MapState.h"

#include "io/IniFile.h"
#include "io/LeadingNumber.h"
#include "map/StarterSettings.h"
#include "state/OrderCodes.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

namespace {

const QString kColours = QStringLiteral("Colours");
const QString kPositions = QStringLiteral("Positions");

QString CountryKey(int player) { return QStringLiteral("Country") + QChar(u'A' + player - 1); }

double ReadNumber(const IniFile& file, const QString& section, const QString& key,
                  double fallback) {
    const std::optional<QString> text = file.Value(section, key);
    if (!text) return fallback;
    return LeadingNumber(*text).value_or(fallback);
}

// A number rounded to the integer type, half to even; the default when it
// does not fit.
template <typename Int>
Int Rounded(double value, Int fallback) {
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return fallback;
    }
    return static_cast<Int>(rounded);
}

std::int32_t ReadColour(const IniFile& file, const QString& key, std::int32_t fallback) {
    return Rounded<std::int32_t>(ReadNumber(file, kColours, key, fallback), fallback);
}

}  // namespace

QString DefaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/win-qm.ini");
}

QString ColourText(std::uint32_t colour) {
    return QStringLiteral("&H") + QString::number(colour, 16).toUpper() + QLatin1Char('&');
}

bool LoadDisplaySettings(DisplaySettings& settings, const QString& path) {
    // A first start gets the starter look; the per-key defaults below are
    // for a file that lacks a key.
    if (!QFileInfo::exists(path)) {
        settings = StarterDisplaySettings();
        return false;
    }
    IniFile file;
    if (!file.Load(path)) file = IniFile();
    ReadDisplaySettings(settings, file);
    return true;
}

bool LoadMapSettings(MapState& map, const QString& path) {
    const bool read = LoadDisplaySettings(map.display, path);
    // The file keeps the origin in window pixels; the map counts the pictures'.
    map.display.MapX = static_cast<std::int16_t>(map.display.MapX * map.picture.Scale);
    map.display.MapY = static_cast<std::int16_t>(map.display.MapY * map.picture.Scale);
    return read;
}

bool SaveMapSettings(const MapState& map, const QString& path) {
    DisplaySettings display = map.display;
    display.MapX = static_cast<std::int16_t>(display.MapX / map.picture.Scale);
    display.MapY = static_cast<std::int16_t>(display.MapY / map.picture.Scale);
    return SaveDisplaySettings(display, path);
}

void ReadDisplaySettings(DisplaySettings& settings, const QByteArray& content) {
    IniFile file;
    file.Parse(content);
    ReadDisplaySettings(settings, file);
}

void ReadDisplaySettings(DisplaySettings& settings, const IniFile& file) {
    const DisplaySettings defaults;

    settings.BorderColour = ReadColour(file, QStringLiteral("Borders"), defaults.BorderColour);
    settings.WaterColour = ReadColour(file, QStringLiteral("Water"), defaults.WaterColour);
    settings.NoGoColour = ReadColour(file, QStringLiteral("NoGo"), defaults.NoGoColour);
    settings.CountryColours[0] =
        ReadColour(file, QStringLiteral("Neutral"), defaults.CountryColours[0]);
    for (int player = 1; player <= 12; ++player) {
        settings.CountryColours[static_cast<std::size_t>(player)] =
            ReadColour(file, CountryKey(player), DefaultCountryColour(player));
    }
    for (std::size_t i = 0; i < settings.ArrowColours.size(); ++i) {
        settings.ArrowColours[i] = ReadColour(file, kArrowOrders[i], defaults.ArrowColours[i]);
    }

    settings.MapX =
        Rounded<std::int16_t>(ReadNumber(file, kPositions, QStringLiteral("MapX"), 0), 0);
    settings.MapY =
        Rounded<std::int16_t>(ReadNumber(file, kPositions, QStringLiteral("MapY"), 0), 0);
    settings.HexDisplay =
        ReadNumber(file, kPositions, QStringLiteral("HexDisplay"), 0) != 0 ? -1 : 0;
    settings.ViewOf = file.Value(kPositions, QStringLiteral("ViewOf")).value_or(QString());

    // Limited before it becomes an integer, so any stored number is safe.
    const double size =
        std::nearbyint(2 * ReadNumber(file, kPositions, QStringLiteral("HexSize"), 13));
    settings.HexSize = static_cast<std::int16_t>(
        std::clamp<double>(size, kMinHexSize, MaxHexSize(settings.HexDisplay)));
}

bool SaveDisplaySettings(const DisplaySettings& settings, const QString& path) {
    IniFile file;
    // An unreadable file is not replaced by one that would lose its other lines.
    if (!file.Load(path)) return false;

    auto colour = [&](const QString& key, std::int32_t value) {
        file.SetValue(kColours, key, ColourText(static_cast<std::uint32_t>(value)));
    };
    colour(QStringLiteral("Borders"), settings.BorderColour);
    colour(QStringLiteral("Water"), settings.WaterColour);
    colour(QStringLiteral("Neutral"), settings.CountryColours[0]);
    for (int player = 1; player <= 12; ++player) {
        const std::int64_t value = settings.CountryColours[static_cast<std::size_t>(player)];
        file.SetValue(kColours, CountryKey(player),
                      ColourText(static_cast<std::uint32_t>(value < 0 ? -value : value)));
    }
    for (std::size_t i = 0; i < settings.ArrowColours.size(); ++i) {
        colour(kArrowOrders[i], settings.ArrowColours[i]);
    }
    file.SetValue(kPositions, QStringLiteral("MapX"), QString::number(settings.MapX));
    file.SetValue(kPositions, QStringLiteral("MapY"), QString::number(settings.MapY));
    file.SetValue(kPositions, QStringLiteral("HexDisplay"),
                  settings.HexDisplay != 0 ? QStringLiteral("-1") : QStringLiteral("0"));
    file.SetValue(kPositions, QStringLiteral("HexSize"), QString::number(settings.HexSize / 2));
    if (!settings.ViewOf.isEmpty())
        file.SetValue(kPositions, QStringLiteral("ViewOf"), settings.ViewOf);
    return file.Save(path);
}

}  // namespace qm
