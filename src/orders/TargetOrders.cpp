#include "orders/TargetOrders.h"

#include "io/NumberText.h"
#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "orders/AreaOrder.h"
#include "orders/MoveRules.h"
#include "orders/OrderContext.h"
#include "state/OrderCodes.h"

namespace qm {

namespace {

void RefuseAndEndTargeting(const OrderContext& context, const QString& text) {
    context.port.ShowMessage(text, MessageIcon::Stop);
    context.interaction.MapMode.clear();
}

// A click beside every area gives 0, and a target of 0 would slip through
// the adjacency test wherever a neighbour slot is empty.
bool RefusedTarget(const OrderContext& context, std::int16_t t) {
    if (!IsAreaNumber(context.interaction.SelectedArea)) {
        context.interaction.MapMode.clear();
        return true;
    }
    if (IsAreaNumber(t)) return false;
    RefuseAndEndTargeting(context, QString::fromUtf16(kNoAreaThere));
    return true;
}

bool RefusedNotAdjacent(const OrderContext& context, std::int16_t t) {
    const std::int16_t s = context.interaction.SelectedArea;
    if (IsAdjacent(context.game, s, t)) return false;
    RefuseAndEndTargeting(context, QStringLiteral("Areas ") + SignPlace(s) +
                                       QStringLiteral(" and ") + SignPlace(t) +
                                       QStringLiteral(" are not adjacent"));
    return true;
}

void Record(const OrderContext& context, const QString& code, std::int16_t t, std::int16_t p2) {
    SetAreaOrder(context, code, t, p2);
    RedrawArea(context.game, context.map, context.interaction.SelectedArea);
    RefreshView(context.game, context.map, context.port);
}

bool SomeoneAttacks(const GameState& game, std::int16_t t) {
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (area.Command == kMove && area.Parm1 == t) return true;
    }
    return false;
}

}  // namespace

void MoveOrder(const OrderContext& context, std::int16_t t) {
    if (RefusedTarget(context, t) || RefusedNotAdjacent(context, t)) return;
    Record(context, kMove, t, 0);
}

void SupportAttackOrder(const OrderContext& context, std::int16_t t) {
    if (RefusedTarget(context, t) || RefusedNotAdjacent(context, t)) return;
    const std::int16_t me = context.game.CurrentPlayer;
    std::int16_t supported = context.port.AskSupportedPlayer().value_or(me);
    if (!IsPlayerNumber(supported)) supported = me;
    context.interaction.SupportedPlayer = supported;
    std::int16_t p2 = supported;
    if (supported == me) {
        p2 = 0;
        if (!SomeoneAttacks(context.game, t)) {
            context.port.ShowMessage(
                QStringLiteral("Warning, no unit attacking area ") + SignPlace(t),
                MessageIcon::Information);
        }
    }
    Record(context, kSupportAttack, t, p2);
}

void SupportDefendOrder(const OrderContext& context, std::int16_t t) {
    if (RefusedTarget(context, t) || RefusedNotAdjacent(context, t)) return;
    const AreaRecord& target = context.game.area(t);
    // Both warnings carry the stop icon yet let the order stand.
    if (target.UnitType != kNoUnit && target.Command == kMove) {
        context.port.ShowMessage(QStringLiteral("Warning, unit is leaving area ") + SignPlace(t),
                                 MessageIcon::Stop);
    }
    // A pending build counts as a unit.
    if (target.UnitType == kNoUnit && BuiltUnitType(target.Command) == kNoUnit) {
        context.port.ShowMessage(QStringLiteral("Warning, no unit in area ") + SignPlace(t),
                                 MessageIcon::Stop);
    }
    Record(context, kSupportDefend, t, 0);
}

void ConvoyOrder(const OrderContext& context, std::int16_t t) {
    if (RefusedTarget(context, t)) return;
    const GameState& game = context.game;
    const std::int16_t s = context.interaction.SelectedArea;
    const AreaRecord& from = game.area(s);
    const AreaRecord& target = game.area(t);
    // A convoy link is not tested for adjacency.
    if (target.AreaType != kWater) {
        if (!IsKnownOwner(game, target.Owner)) {
            context.port.ShowMessage(QString::fromUtf16(kUnknownOwnerWarning) + SignPlace(t),
                                     MessageIcon::None);
        }
    } else {
        if (target.UnitType == kNoUnit)
            return RefuseAndEndTargeting(context, QStringLiteral("No unit in area ") +
                                                      SignPlace(t) +
                                                      QStringLiteral(" to convoy to"));
        if (!target.Command.isEmpty() && target.Command != kConvoy)
            return RefuseAndEndTargeting(context, QStringLiteral("Unit in area ") + SignPlace(t) +
                                                      QStringLiteral(" already issued command"));
    }
    if (from.AreaType == kLand && target.AreaType == kLand)
        return RefuseAndEndTargeting(
            context, QStringLiteral("Can't convoy from one land area to another land area"));
    std::int16_t size = 0;
    if (from.AreaType == kCoast) {
        if (from.UnitType == kFleet || from.UnitType == kSquadron)
            return RefuseAndEndTargeting(context, QStringLiteral("Can't convoy a naval unit"));
        size = UnitSize(game, s);
    } else {
        size = FindConvoyStart(context.game, context.port, s);
    }
    // A squadron carries only a corps.
    if (target.AreaType == kWater && target.UnitType == kSquadron && size == 2)
        return RefuseAndEndTargeting(context, QStringLiteral("Can't conovy an army"));
    Record(context, kConvoy, t, 0);
}

}  // namespace qm
