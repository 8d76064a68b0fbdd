#pragma once
// The drawn map: the board layer, the view layer and the arrows drawn so far.

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct ArrowEnd {
    std::int16_t Area = 0;
    float TipX = 0, TipY = 0;
    float Barb1X = 0, Barb1Y = 0;
    float Barb2X = 0, Barb2Y = 0;
    QString OrderCode;  // the code whose head was last drawn here
};

struct ArrowRecord {
    ArrowEnd EndA;  // the lower-numbered area
    ArrowEnd EndB;  // the higher-numbered area
};

struct MapPicture {
    QImage picMap;   // the whole board, MapWidth x MapHeight; null until the map window loads
    QImage picView;  // what the map window shows
    std::vector<ArrowRecord> ArrowTable;
    QImage picArrows;              // picMap with the arrows on it; see BoardWithArrows
    std::uint64_t arrowsKey = 0;   // what picArrows was painted from
    int Scale = 1;                 // picture pixels to a pixel of the window (2 on dense screens)
    std::int16_t UnitDisplay = 0;  // 0 pictures, 4 symbols
    bool MarkUnordered = false;    // the view marks own units still without an order
    bool ShowLastSeen = false;     // areas not shown now wear their last seen owner's colour, faded
    bool MarkChanges = false;      // the view marks ChangedAreas
    bool ShowAllyOrders = true;    // the allies' orders shown are drawn beside the player's
    std::vector<std::int16_t> ChangedAreas;

    bool IsLoaded() const { return !picMap.isNull(); }
};

}  // namespace qm
