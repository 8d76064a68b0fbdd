#pragma once
// What the map window's clicks mean: the double-click that selects an area and
// gives or arms an order, and the single click that completes an armed order.
// The window only hit-tests and acts on the answer.

#include "state/OrderCodes.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstdint>

namespace qm {

struct OrderContext;
struct SpyTargets;

/// The option that takes back an area's order.
inline constexpr QLatin1String kCancelOption{"Cancel"};

/// The map window's command options in their order, each shown by its caption:
/// an order code, or Cancel.
inline constexpr std::array<QLatin1String, 12> kMapOptions{
    kMove,      kSupportAttack, kSupportDefend, kConvoy,        kDowngrade, kRemove,
    kBuildArmy, kBuildCorps,    kBuildFleet,    kBuildSquadron, kUpgrade,   kCancelOption};

/// A double-click on `area` (0: beside every area) with the option `option`
/// (one of kMapOptions) selected. Does nothing while an order or dialog mode is armed.
void MapDoubleClick(const OrderContext& context, std::int16_t area, const QString& option);

/// What the window does after a single left click.
struct MapClickAnswer {
    enum class Action {
        Nothing,
        ScrollGrid,         // make `value` the area grid's top row
        GrantAccess,        // put area `value` into the grant access dialog's area field
        SpyTargetsChanged,  // area `value` went into the spy cells: show them again
    };
    Action action = Action::Nothing;
    std::int16_t value = 0;

    bool operator==(const MapClickAnswer&) const = default;
};

/// A single left click on area t (0: beside every area), by the map mode.
MapClickAnswer MapClick(const OrderContext& context, SpyTargets& spies, std::int16_t t);

}  // namespace qm
