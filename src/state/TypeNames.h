#pragma once
// The words the grid, the hover text, the legend and the turn check use for
// terrain and unit types.

#include "state/Limits.h"
#include "state/UnitTypes.h"

#include <QString>

#include <cstdint>

namespace qm {

/// "land", "coast", "water"; anything else is "no-entry".
inline QString TerrainName(std::int16_t areaType) {
    switch (areaType) {
        case kLand:
            return QStringLiteral("land");
        case kCoast:
            return QStringLiteral("coast");
        case kWater:
            return QStringLiteral("water");
        default:
            return QStringLiteral("no-entry");
    }
}

/// "army", "corps", "fleet", "squadron"; empty for no unit or an unknown type.
inline QString UnitTypeName(std::int16_t unitType) {
    const UnitKind* kind = UnitKindOf(unitType);
    return kind ? QString(kind->name) : QString();
}

}  // namespace qm
