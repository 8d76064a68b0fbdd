#pragma once
// What the map window's clicks mean: the double-click that selects an area and
// gives or arms an order, and the single click that completes an armed order.
// The window only hit-tests and acts on the answer.

#include <cstdint>

namespace qm {

struct OrderContext;
struct SpyTargets;

/// The command options of the map window, by index.
enum class MapOption : int {
    Move,
    SupportAttack,
    SupportDefend,
    Convoy,
    Downgrade,
    Remove,
    BuildArmy,
    BuildCorps,
    BuildFleet,
    BuildSquadron,
    Upgrade,
    Cancel,
};
inline constexpr int kMapOptionCount = 12;

/// A double-click on `area` (0: beside every area) with option `option` (0..11)
/// selected. Does nothing while an order or dialog mode is armed.
void MapDoubleClick(const OrderContext& context, std::int16_t area, int option);

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
