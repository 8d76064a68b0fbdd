#include "orders/UnitOrders.h"

#include "io/NumberText.h"
#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "orders/AreaOrder.h"
#include "orders/OrderContext.h"
#include "state/OrderCodes.h"

namespace qm {

namespace {

void Refuse(const OrderContext& context, const QString& text) {
    context.port.ShowMessage(text, MessageIcon::Stop);
}

QString AreaText(std::int16_t area, const char* rest) {
    return QStringLiteral("Area ") + SignPlace(area) + QLatin1String(rest);
}

void Redraw(const OrderContext& context, std::int16_t area) {
    RedrawArea(context.game, context.map, area);
    RefreshView(context.game, context.map, context.port);
}

// The selected area, or nothing when the double-click hit no area.
AreaRecord* Selected(const OrderContext& context) {
    const std::int16_t s = context.interaction.SelectedArea;
    return IsAreaNumber(s) ? &context.game.area(s) : nullptr;
}

}  // namespace

void BuildUnit(const OrderContext& context, std::int16_t unitType) {
    const QString code = BuildCode(unitType);
    AreaRecord* area = Selected(context);
    if (code.isEmpty() || !area || area->Command == code) return;
    const std::int16_t s = context.interaction.SelectedArea;
    const std::int16_t cost = SupplyCostOf(code, unitType);
    if (area->Owner != context.game.CurrentPlayer)
        return Refuse(context, AreaText(s, " not owned by you"));
    if (area->UnitType != kNoUnit) return Refuse(context, AreaText(s, " already has a unit in it"));
    if (area->Supply < cost) return Refuse(context, AreaText(s, " not proper sized supply centre"));
    // The balance before the refund of the order this one replaces.
    if (context.game.totals.FreeSupply < cost)
        return Refuse(context, QStringLiteral("Not enough supply points available to build unit"));
    if ((unitType == kFleet || unitType == kSquadron) && area->AreaType != kCoast)
        return Refuse(context, QStringLiteral("Must be a coastal area to add a fleet or squadron"));
    SetAreaOrder(context, code, 0, 0);
    AdjustFreeSupply(context.game, context.port, static_cast<std::int16_t>(-cost));
    Redraw(context, s);
}

void UpgradeUnit(const OrderContext& context) {
    AreaRecord* area = Selected(context);
    if (!area || area->Command == kUpgrade) return;
    const std::int16_t s = context.interaction.SelectedArea;
    if (context.game.totals.FreeSupply <= 0)
        return Refuse(context, QStringLiteral("No supply available to upgrade any units"));
    if (area->UnitOwner != context.game.CurrentPlayer)
        return Refuse(context, QString::fromUtf16(kNoOwnUnitThere));
    if (area->Supply == 0) return Refuse(context, AreaText(s, " not a supply center"));
    if (area->UnitType != kCorps && area->UnitType != kSquadron)
        return Refuse(context, QStringLiteral("Can only upgrade a corps or squadron"));
    SetAreaOrder(context, kUpgrade, 0, 0);
    Redraw(context, s);
    AdjustFreeSupply(context.game, context.port,
                     static_cast<std::int16_t>(-SupplyCostOf(kUpgrade, area->UnitType)));
}

void DowngradeUnit(const OrderContext& context) {
    AreaRecord* area = Selected(context);
    if (!area || area->Command == kDowngrade) return;
    const std::int16_t s = context.interaction.SelectedArea;
    if (context.game.totals.FreeSupply >= 0)
        return Refuse(context, QStringLiteral("Not allowed to downgrade any units"));
    if (area->UnitOwner != context.game.CurrentPlayer)
        return Refuse(context, QString::fromUtf16(kNoOwnUnitThere));
    if (area->UnitType == kCorps || area->UnitType == kSquadron)
        return Refuse(context, QStringLiteral("Can't downgrade corps or squadrons"));
    // Credited before the old order is taken back: a negative balance rises at most to 0 per step.
    AdjustFreeSupply(context.game, context.port,
                     static_cast<std::int16_t>(-SupplyCostOf(kDowngrade, area->UnitType)));
    SetAreaOrder(context, kDowngrade, 0, 0);
    Redraw(context, s);
}

void RemoveUnit(const OrderContext& context) {
    AreaRecord* area = Selected(context);
    if (!area || area->Command == kRemove) return;
    const std::int16_t s = context.interaction.SelectedArea;
    if (context.game.totals.FreeSupply >= 0)
        return Refuse(context, QStringLiteral("Not allowed to remove any units"));
    if (area->UnitOwner != context.game.CurrentPlayer)
        return Refuse(context, QString::fromUtf16(kNoOwnUnitThere));
    SetAreaOrder(context, kRemove, 0, 0);
    if (const auto gain = static_cast<std::int16_t>(-SupplyCostOf(kRemove, area->UnitType));
        gain > 0)
        AdjustFreeSupply(context.game, context.port, gain);
    Redraw(context, s);
}

void ClearAreaOrder(const OrderContext& context) {
    AreaRecord* area = Selected(context);
    if (!area || area->Command.isEmpty()) return;
    SetAreaOrder(context, QString(), 0, 0);
    Redraw(context, context.interaction.SelectedArea);
}

}  // namespace qm
