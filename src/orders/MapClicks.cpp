#include "orders/MapClicks.h"

#include "io/NumberText.h"
#include "orders/OrderContext.h"
#include "orders/SpyTargets.h"
#include "orders/TargetOrders.h"
#include "orders/UnitOrders.h"
#include "state/OrderCodes.h"

#include <algorithm>

namespace qm {

namespace {

// The grid shows the last rows from this one on; it never scrolls further.
constexpr std::int16_t kLastTopRow = 267;

void Arm(const OrderContext& context, QLatin1String mode, const QString& refusal) {
    context.interaction.MapMode = mode;
    const AreaRecord& area = context.game.area(context.interaction.SelectedArea);
    if (area.UnitOwner == context.game.CurrentPlayer) return;
    context.port.ShowMessage(refusal, MessageIcon::Stop);
    context.interaction.MapMode.clear();
}

}  // namespace

void MapDoubleClick(const OrderContext& context, std::int16_t area, int option) {
    if (!context.interaction.MapMode.isEmpty()) return;
    context.interaction.SelectedArea = area;
    // Beside every area there is nothing to give an order to.
    if (!IsAreaNumber(area)) return;
    const QString notYours = QStringLiteral("No unit there owned by you");
    switch (static_cast<MapOption>(option)) {
        case MapOption::Move:
            return Arm(context, kMove, notYours);
        case MapOption::SupportAttack:
            return Arm(context, kSupportAttack, notYours);
        case MapOption::SupportDefend:
            return Arm(context, kSupportDefend, notYours);
        case MapOption::Convoy:
            return Arm(context, kConvoy,
                       QStringLiteral("No unit in area ") + SignPlace(area) +
                           QStringLiteral(" owned by you"));
        case MapOption::Downgrade:
            return DowngradeUnit(context);
        case MapOption::Remove:
            return RemoveUnit(context);
        case MapOption::BuildArmy:
            return BuildUnit(context, kArmy);
        case MapOption::BuildCorps:
            return BuildUnit(context, kCorps);
        case MapOption::BuildFleet:
            return BuildUnit(context, kFleet);
        case MapOption::BuildSquadron:
            return BuildUnit(context, kSquadron);
        case MapOption::Upgrade:
            return UpgradeUnit(context);
        case MapOption::Cancel:
            return ClearAreaOrder(context);
    }
}

MapClickAnswer MapClick(const OrderContext& context, SpyTargets& spies, std::int16_t t) {
    const QString mode = context.interaction.MapMode;
    if (mode.isEmpty()) {
        if (!IsAreaNumber(t)) return {};
        return {MapClickAnswer::Action::ScrollGrid, std::min(t, kLastTopRow)};
    }
    using Action = MapClickAnswer::Action;
    if (mode == kMove) {
        MoveOrder(context, t);
    } else if (mode == kSupportAttack) {
        SupportAttackOrder(context, t);
    } else if (mode == kSupportDefend) {
        SupportDefendOrder(context, t);
    } else if (mode == kConvoy) {
        ConvoyOrder(context, t);
    } else if (mode == kSpy) {
        if (SpyOrder(spies, context.port, t)) return {Action::SpyTargetsChanged, t};
    } else if (mode == kGrantAccess) {
        return {Action::GrantAccess, t};
    }
    return {};
}

}  // namespace qm
