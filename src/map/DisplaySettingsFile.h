#pragma once
// Reading and writing the display settings in win-qm.ini.

#include "map/DisplaySettings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace qm {

class IniFile;
struct MapState;

/// win-qm.ini in the user's configuration folder for this program.
QString DefaultSettingsPath();

/// Replaces every value by the file's; without a file, by the starter look
/// (StarterDisplaySettings); by a key's default where the key is missing or
/// holds a number that does not fit. HexSize is twice the stored value, limited
/// to kMinHexSize..MaxHexSize(HexDisplay). Answers whether there was a file.
bool LoadDisplaySettings(DisplaySettings& settings, const QString& path);

/// The same for the map: the scroll origin, kept in window pixels, in the
/// pictures' pixels at the map's scale. Answers whether there was a file.
bool LoadMapSettings(MapState& map, const QString& path);
/// SaveDisplaySettings for the map, the origin back in window pixels.
bool SaveMapSettings(const MapState& map, const QString& path);

/// The same from the content of a settings file.
void ReadDisplaySettings(DisplaySettings& settings, const QByteArray& content);
void ReadDisplaySettings(DisplaySettings& settings, const IniFile& file);

/// Writes every value but NoGo, keeping all other lines of the file. Answers
/// whether the file was written; the player is never told (a failed save
/// leaves the old file as it was).
bool SaveDisplaySettings(const DisplaySettings& settings, const QString& path);

/// "&H" + upper-case hexadecimal of the 32-bit pattern + "&".
QString ColourText(std::uint32_t colour);

}  // namespace qm
