#pragma once
// One area of the map: what the report says of it, what the map data say of it,
// and the order pending for it.

#include "state/Limits.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qm {

struct AreaRecord {
    std::int16_t Owner = 0;
    std::int16_t AreaType = 0;
    std::int16_t Supply = 0;
    std::int16_t HomeFlag = 0;
    std::array<std::int16_t, kNeighbourSlots> Neighbours{};  // 1..14 used
    QString Name;
    std::int16_t UnitType = kNoUnit;
    std::int16_t UnitOwner = 0;
    QString Command;  // empty: no order
    std::int16_t Parm1 = 0;
    std::int16_t Parm2 = 0;
    // Bounding box of the area's cells; empty (999..0) until the hex map is read.
    std::int16_t MinCol = 999;
    std::int16_t MaxCol = 0;
    std::int16_t MinRow = 999;
    std::int16_t MaxRow = 0;
};

}  // namespace qm
