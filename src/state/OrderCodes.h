#pragma once
// The order vocabulary: the codes of area orders and list orders, and what an
// area order costs or gains in supply points.

#include "state/AreaRecord.h"
#include "state/Limits.h"

#include <QLatin1String>
#include <QString>

#include <cstdint>

namespace qm {

// Area orders, stored in the area whose unit (or supply centre) receives them.
inline constexpr QLatin1String kBuildArmy{"AA"};
inline constexpr QLatin1String kBuildCorps{"AC"};
inline constexpr QLatin1String kBuildFleet{"AF"};
inline constexpr QLatin1String kBuildSquadron{"AS"};
inline constexpr QLatin1String kUpgrade{"UU"};
inline constexpr QLatin1String kDowngrade{"DU"};
inline constexpr QLatin1String kRemove{"RU"};
inline constexpr QLatin1String kMove{"MO"};
inline constexpr QLatin1String kSupportAttack{"SA"};
inline constexpr QLatin1String kSupportDefend{"SD"};
inline constexpr QLatin1String kConvoy{"CO"};

// List orders, stored in the command list.
inline constexpr QLatin1String kSpy{"SP"};
inline constexpr QLatin1String kDeclareAlliance{"DA"};
inline constexpr QLatin1String kDeclareNeutrality{"DN"};
inline constexpr QLatin1String kDeclareWar{"DW"};
inline constexpr QLatin1String kCallToArms{"CA"};
inline constexpr QLatin1String kGrantAccess{"GA"};
inline constexpr QLatin1String kVictoryConditions{"VC"};

/// Supply points of a unit type: 2 for an army or fleet, 1 for a corps or squadron, else 0.
inline std::int16_t UnitTypeSize(std::int16_t unitType) {
    switch (unitType) {
        case kArmy:
        case kFleet:
            return 2;
        case kCorps:
        case kSquadron:
            return 1;
        default:
            return 0;
    }
}

/// The build code of a unit type 1..4; empty for anything else.
inline QString BuildCode(std::int16_t unitType) {
    switch (unitType) {
        case kArmy:
            return kBuildArmy;
        case kCorps:
            return kBuildCorps;
        case kFleet:
            return kBuildFleet;
        case kSquadron:
            return kBuildSquadron;
        default:
            return {};
    }
}

/// What taking back the area's present order gives back to the free supply
/// (the opposite of what recording it charged).
inline std::int16_t TakeBackOf(const AreaRecord& area) {
    const QString& code = area.Command;
    if (code == kBuildArmy || code == kBuildFleet) return 2;
    if (code == kBuildCorps || code == kBuildSquadron || code == kUpgrade) return 1;
    if (code == kDowngrade) return -1;
    if (code == kRemove) return static_cast<std::int16_t>(-UnitTypeSize(area.UnitType));
    return 0;
}

}  // namespace qm
