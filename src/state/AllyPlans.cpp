#include "state/AllyPlans.h"

#include "state/OrderCodes.h"

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

QString AllyOrderWords(int area, const AllyOrder& order) {
    QString words = order.Command + u' ' + QString::number(area);
    if (IsArrowOrder(order.Command)) words += u' ' + QString::number(order.Parm1);
    if (order.Command == kSupportAttack && order.Parm2 >= 1)
        words += u' ' + QString::number(order.Parm2);
    return words;
}

}  // namespace qm
