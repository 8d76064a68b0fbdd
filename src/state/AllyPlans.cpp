#include "state/AllyPlans.h"

#include <algorithm>

namespace qm {

void ShowAllyPlan(AllyPlans& allies, AllyPlan plan) {
    const auto shown = std::find_if(allies.plans.begin(), allies.plans.end(),
                                    [&](const AllyPlan& p) { return p.player == plan.player; });
    if (shown != allies.plans.end())
        *shown = std::move(plan);
    else
        allies.plans.push_back(std::move(plan));
}

}  // namespace qm
