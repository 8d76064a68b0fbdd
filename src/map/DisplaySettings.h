#pragma once
// The values that shape the map and survive from one run to the next.
// Colours are 32-bit values with red in the lowest byte.

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>

namespace qm {

/// The colour a player (1..12) has when the settings file names none: the
/// eight corners of the colour cube, black first, then again from black.
constexpr std::int32_t DefaultCountryColour(int player) {
    const int j = player - 1;
    return (j % 2) * 0xFF + ((j % 4) / 2) * 0xFF00 + ((j % 8) / 4) * 0xFF0000;
}

constexpr std::array<std::int32_t, 13> DefaultCountryColours() {
    std::array<std::int32_t, 13> colours{0xC0C0C0};
    for (int player = 1; player <= 12; ++player) {
        colours[static_cast<std::size_t>(player)] = DefaultCountryColour(player);
    }
    return colours;
}

// The cell size's limits: hexagons up to 30 pixels, squares up to 36; larger
// sizes would overflow the 16-bit cell coordinates.
inline constexpr std::int16_t kMinHexSize = 6;
inline constexpr std::int16_t kMaxHexSizeHex = 30;
inline constexpr std::int16_t kMaxHexSizeSquare = 36;

/// The largest cell size of the mode (HexDisplay: -1 hexagons, 0 squares).
constexpr std::int16_t MaxHexSize(std::int16_t hexDisplay) {
    return hexDisplay != 0 ? kMaxHexSizeHex : kMaxHexSizeSquare;
}

/// A cell size brought into the mode's range.
constexpr std::int16_t LimitHexSize(int size, std::int16_t hexDisplay) {
    return static_cast<std::int16_t>(std::clamp<int>(size, kMinHexSize, MaxHexSize(hexDisplay)));
}

struct DisplaySettings {
    std::int32_t BorderColour = 0x808080;
    std::int32_t WaterColour = 0xFFFF80;
    std::int32_t NoGoColour = 0x000000;
    // 0 neutral, 1..12 the players.
    std::array<std::int32_t, 13> CountryColours = DefaultCountryColours();
    // In the order of kArrowOrders.
    std::array<std::int32_t, 4> ArrowColours{0xFF0000, 0x00FF00, 0x0000FF, 0x00FFFF};
    std::int16_t MapX = 0;  // scroll origin, always <= 0
    std::int16_t MapY = 0;
    std::int16_t HexDisplay = 0;  // -1 hexagons, 0 squares
    std::int16_t HexSize = 26;
    // Whose map MapX and MapY show ("QM042 2": game code and player); another
    // player's report starts at his own areas instead. Empty: nobody's yet.
    QString ViewOf;
};

}  // namespace qm
