#pragma once
// The order vocabulary: the codes of area orders and list orders, and what an
// area order costs or gains in supply points.

#include "state/AreaRecord.h"
#include "state/Limits.h"
#include "state/UnitTypes.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstdint>

namespace qm {

// Area orders, stored in the area whose unit (or supply centre) receives them;
// the builds kBuildArmy..kBuildSquadron stand with their units in UnitTypes.h.
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

/// The target orders, which name the area they go to: they wait for a click on
/// it and are drawn as arrows, here in the order of the arrows' colours.
inline constexpr std::array<QLatin1String, 4> kArrowOrders{kConvoy, kMove, kSupportAttack,
                                                           kSupportDefend};

/// The index of an arrow order in kArrowOrders; -1 for any other code.
inline int ArrowOrderIndex(const QString& code) {
    for (std::size_t i = 0; i < kArrowOrders.size(); ++i) {
        if (code == kArrowOrders[i]) return static_cast<int>(i);
    }
    return -1;
}

/// One of the target orders of kArrowOrders.
inline bool IsArrowOrder(const QString& code) { return ArrowOrderIndex(code) >= 0; }

/// The unit type a build code builds; kNoUnit for any other code.
inline std::int16_t BuiltUnitType(const QString& code) {
    for (const UnitKind& kind : kUnitKinds)
        if (code == kind.buildCode) return kind.type;
    return kNoUnit;
}

/// The build code of a unit type 1..4; empty for anything else.
inline QString BuildCode(std::int16_t unitType) {
    const UnitKind* kind = UnitKindOf(unitType);
    return kind ? QString(kind->buildCode) : QString();
}

/// Orders of a unit or supply centre that name no other area: the builds,
/// upgrade, downgrade and remove.
inline bool IsUnitOrder(const QString& code) {
    return BuiltUnitType(code) != kNoUnit || code == kUpgrade || code == kDowngrade ||
           code == kRemove;
}

/// Orders that name one target area and nothing else (a support of an
/// attack also names the supported player).
inline bool IsTargetOrder(const QString& code) {
    return code == kConvoy || code == kMove || code == kSupportDefend;
}

/// List orders that name one player.
inline bool IsDeclaration(const QString& code) {
    return code == kDeclareAlliance || code == kDeclareNeutrality || code == kDeclareWar;
}

/// List orders that name two values: call to arms, grant of access, victory conditions.
inline bool IsPairOrder(const QString& code) {
    return code == kCallToArms || code == kGrantAccess || code == kVictoryConditions;
}

/// Supply points of a unit type: 2 for an army or fleet, 1 for a corps or
/// squadron, else 0. A unit costs this much upkeep each turn.
inline std::int16_t UnitTypeSize(std::int16_t unitType) {
    const UnitKind* kind = UnitKindOf(unitType);
    return kind ? kind->size : std::int16_t{0};
}

/// What an area order charges to the free supply (negative: what it gains):
/// a build the size of its unit, an upgrade 1, a downgrade -1, a removal
/// minus the size of the removed unit `unitType`; other orders nothing.
inline std::int16_t SupplyCostOf(const QString& code, std::int16_t unitType) {
    if (const std::int16_t built = BuiltUnitType(code); built != kNoUnit)
        return UnitTypeSize(built);
    if (code == kUpgrade) return 1;
    if (code == kDowngrade) return -1;
    if (code == kRemove) return static_cast<std::int16_t>(-UnitTypeSize(unitType));
    return 0;
}

/// What the area's present order charges to the player's free supply: a
/// build to the area's owner, the other unit orders to the unit's. An order
/// that a reopened report no longer backs (restored onto an area or unit that
/// report does not show as the player's) charges nothing, so taking it back
/// gives nothing back either.
inline std::int16_t ChargeOf(const AreaRecord& area, std::int16_t player) {
    const bool charged =
        BuiltUnitType(area.Command) != kNoUnit ? area.Owner == player : IsOwnUnit(area, player);
    return charged ? SupplyCostOf(area.Command, area.UnitType) : 0;
}

/// An area order in the orders file's words, its items joined by single
/// blanks: "AA 58", "MO 60 58", "SA 60 58" or, for an ally's attack,
/// "SA 60 58 3". Empty for a code that gives no line in the orders file.
inline QString AreaOrderWords(int area, const QString& code, std::int16_t parm1,
                              std::int16_t parm2) {
    if (!IsUnitOrder(code) && !IsArrowOrder(code)) return {};
    QString words = code + u' ' + QString::number(area);
    if (IsArrowOrder(code)) words += u' ' + QString::number(parm1);
    if (code == kSupportAttack && parm2 >= 1) words += u' ' + QString::number(parm2);
    return words;
}

}  // namespace qm
