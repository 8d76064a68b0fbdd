#pragma once
// The orders allies mailed each other, shown beside the player's own: drawn,
// named in the hover text and weighed by the turn check, never written into
// the player's orders and never taken back by undo. Kept with the turn, so
// opening a report drops them.

#include "state/Limits.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

/// One area order of an ally's orders file, as the file gives it.
struct AllyOrder {
    QString Command;  // empty: no order for the area
    std::int16_t Parm1 = 0;
    std::int16_t Parm2 = 0;
    bool operator==(const AllyOrder&) const = default;
};

struct AllyPlan {
    std::int16_t player = 0;
    QString ident;  // the orders file's identification line
    std::array<AllyOrder, kAreaSlots> orders{};
};

struct AllyPlans {
    std::vector<AllyPlan> plans;  // in the order shown first
};

/// Puts a plan among the shown ones; an ally shown already has his replaced.
void ShowAllyPlan(AllyPlans& allies, AllyPlan plan);

}  // namespace qm
