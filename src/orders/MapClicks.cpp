#include "orders/MapClicks.h"

#include "io/NumberText.h"
#include "orders/OrderContext.h"
#include "orders/SpyTargets.h"
#include "orders/TargetOrders.h"
#include "orders/UnitOrders.h"
#include "state/OrderCodes.h"
#include "state/RefreshDisplay.h"

#include <algorithm>

namespace qm {

namespace {

void Arm(const OrderContext& context, const QString& mode, const QString& refusal) {
    context.interaction.MapMode = mode;
    const AreaRecord& area = context.game.area(context.interaction.SelectedArea);
    if (area.UnitOwner == context.game.CurrentPlayer) return;
    context.port.ShowMessage(refusal, MessageIcon::Stop);
    context.interaction.MapMode.clear();
}

}  // namespace

void MapDoubleClick(const OrderContext& context, std::int16_t area, const QString& option) {
    if (!context.interaction.MapMode.isEmpty()) return;
    context.interaction.SelectedArea = area;
    if (context.interaction.ReadOnly) return;
    // Beside every area there is nothing to give an order to.
    if (!IsAreaNumber(area)) return;
    const QString notYours = QString::fromUtf16(kNoOwnUnitThere);
    if (option == kMove || option == kSupportAttack || option == kSupportDefend)
        return Arm(context, option, notYours);
    if (option == kConvoy) {
        return Arm(
            context, option,
            QStringLiteral("No unit in area ") + SignPlace(area) + QStringLiteral(" owned by you"));
    }
    if (option == kDowngrade) return DowngradeUnit(context);
    if (option == kRemove) return RemoveUnit(context);
    if (option == kUpgrade) return UpgradeUnit(context);
    if (const std::int16_t built = BuiltUnitType(option); built != kNoUnit)
        return BuildUnit(context, built);
    if (option == kCancelOption) return ClearAreaOrder(context);
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
