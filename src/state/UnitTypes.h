#pragma once
// The four unit types: the letter, name and size the game gives each, and the
// order that builds it.

#include "state/AreaRecord.h"
#include "state/Limits.h"

#include <QLatin1String>

#include <array>
#include <cstdint>

namespace qm {

// The build orders, area orders of a supply centre.
inline constexpr QLatin1String kBuildArmy{"AA"};
inline constexpr QLatin1String kBuildCorps{"AC"};
inline constexpr QLatin1String kBuildFleet{"AF"};
inline constexpr QLatin1String kBuildSquadron{"AS"};

struct UnitKind {
    std::int16_t type;
    char letter;         // the own-areas list
    QLatin1String name;  // the grid, the hover text, the legend, the turn check
    std::int16_t size;   // supply points: the upkeep each turn and the cost of a build
    QLatin1String buildCode;
};

inline constexpr std::array<UnitKind, 4> kUnitKinds{{
    {kArmy, 'A', QLatin1String{"army"}, 2, kBuildArmy},
    {kCorps, 'C', QLatin1String{"corps"}, 1, kBuildCorps},
    {kFleet, 'F', QLatin1String{"fleet"}, 2, kBuildFleet},
    {kSquadron, 'S', QLatin1String{"squadron"}, 1, kBuildSquadron},
}};

inline bool IsUnitType(int unitType) { return unitType >= kArmy && unitType <= kSquadron; }

/// The row of a unit type 1..4; nullptr for no unit or an unknown type.
inline const UnitKind* UnitKindOf(int unitType) {
    return IsUnitType(unitType) ? &kUnitKinds[static_cast<std::size_t>(unitType - kArmy)] : nullptr;
}

/// A unit of `player` stands in the area.
inline bool IsOwnUnit(const AreaRecord& area, std::int16_t player) {
    return area.UnitOwner == player && IsUnitType(area.UnitType);
}

}  // namespace qm
