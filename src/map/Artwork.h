#pragma once
// The small images drawn onto the board: units, digits and supply markers.
// They are masks combined with the board by exclusive-or: a pixel of 0 leaves
// the board as it is, a set pixel (0xFFFFFF) turns the board's colour into its
// complement, which reads on every fill colour but a middle grey.

#include <QImage>

#include <array>

namespace qm {

inline constexpr int kUnitWidth = 32;
inline constexpr int kImageHeight = 16;
inline constexpr int kDigitWidth = 8;

struct Artwork {
    int scale = 1;                  // pixels of the images to one of kUnitWidth and the like
    std::array<QImage, 8> picUnit;  // army, corps, fleet, squadron as pictures, then as symbols
    std::array<QImage, 10> picDigit;
    std::array<QImage, 3> picSupplyWide;    // supply 1, supply 2, supply 3 or home area
    std::array<QImage, 3> picSupplyNarrow;  // the same, beside an area number

    int UnitWidth() const { return kUnitWidth * scale; }
    int ImageHeight() const { return kImageHeight * scale; }
    int DigitWidth() const { return kDigitWidth * scale; }
};

/// Drawn the first time it is asked for, then never changed; at a scale of 2
/// (dense screens) every image has twice the pixels each way.
const Artwork& StandardArtwork(int scale = 1);

}  // namespace qm
