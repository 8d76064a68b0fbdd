#pragma once
// The look of the map before the player has a settings file: hexagons large
// enough for numbers and units, and a palette in which the players, neutral,
// water and unseen areas stay apart, also for red-green and blue-yellow colour
// blindness (neighbouring players differ in lightness as well as hue).

#include "map/DisplaySettings.h"

namespace qm {

/// A colour written as 0xRRGGBB, turned into the settings' order (red lowest).
constexpr std::int32_t FromRgb(std::int32_t rgb) {
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

inline DisplaySettings StarterDisplaySettings() {
    DisplaySettings settings;
    settings.WaterColour = FromRgb(0x9FC5E8);
    settings.CountryColours = {FromRgb(0xB8B4A8),  // neutral: a warm grey
                               FromRgb(0xF4D03F), FromRgb(0x1F4E9C), FromRgb(0xF5A8C8),
                               FromRgb(0x1B6B3A), FromRgb(0xF39C5A), FromRgb(0x5B2C83),
                               FromRgb(0xB6E28A), FromRgb(0x7A1030), FromRgb(0x6B2453),
                               FromRgb(0x65560B), FromRgb(0xFFE0B0),
                               // Owner 12 marks the areas the report does not show, so player 12
                               // itself can never be told apart from them: a pale neutral tone.
                               FromRgb(0xEEEDE6)};
    settings.HexDisplay = -1;
    settings.HexSize = kMaxHexSizeHex;
    return settings;
}

/// Puts the starter palette's colours back, leaving the cell size, shape and
/// scroll position as they are.
inline void ApplyStarterPalette(DisplaySettings& settings) {
    const DisplaySettings starter = StarterDisplaySettings();
    settings.BorderColour = starter.BorderColour;
    settings.WaterColour = starter.WaterColour;
    settings.NoGoColour = starter.NoGoColour;
    settings.CountryColours = starter.CountryColours;
    settings.ArrowColours = starter.ArrowColours;
}

}  // namespace qm
