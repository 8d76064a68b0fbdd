#pragma once
// The values that shape the map and survive from one run to the next.
// Colours are 32-bit values with red in the lowest byte.

#include <array>
#include <cstdint>

namespace qm {

struct DisplaySettings {
    std::int32_t BorderColour = 0x808080;
    std::int32_t WaterColour = 0xFFFF80;
    std::int32_t NoGoColour = 0x000000;
    std::array<std::int32_t, 13> CountryColours{};  // 0 neutral, 1..12 the players
    std::array<std::int32_t, 4> ArrowColours{};     // 0 "CO", 1 "MO", 2 "SA", 3 "SD"
    std::int16_t MapX = 0;  // scroll origin, always <= 0
    std::int16_t MapY = 0;
    std::int16_t HexDisplay = 0;  // -1 hexagons, 0 squares
    std::int16_t HexSize = 26;
};

}  // namespace qm
