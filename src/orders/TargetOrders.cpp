#include "orders/TargetOrders.h"

#include "map/MapDrawing.h"
#include "orders/AreaOrder.h"
#include "orders/MoveRules.h"
#include "orders/OrderCodes.h"
#include "state/NumberText.h"
#include "state/Session.h"

namespace qm {

namespace {

void Refuse(Session& session, const QString& text) {
    session.port.ShowMessage(text, MessageIcon::Stop);
    session.interaction.MapMode.clear();
}

// A click beside every area gives 0, and a target of 0 would slip through
// the adjacency test wherever a neighbour slot is empty.
bool RefusedTarget(Session& session, std::int16_t t) {
    if (!IsAreaNumber(session.interaction.SelectedArea)) {
        session.interaction.MapMode.clear();
        return true;
    }
    if (IsAreaNumber(t)) return false;
    Refuse(session, QString::fromUtf16(kNoAreaThere));
    return true;
}

bool RefusedNotAdjacent(Session& session, std::int16_t t) {
    const std::int16_t s = session.interaction.SelectedArea;
    if (IsAdjacent(session.game, s, t)) return false;
    Refuse(session, QStringLiteral("Areas ") + SignPlace(s) + QStringLiteral(" and ") +
                        SignPlace(t) + QStringLiteral(" are not adjacent"));
    return true;
}

void Record(Session& session, const QString& code, std::int16_t t, std::int16_t p2) {
    SetAreaOrder(session, code, t, p2);
    RedrawArea(session, session.interaction.SelectedArea);
    RefreshView(session);
}

bool SomeoneAttacks(const GameState& game, std::int16_t t) {
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (area.Command == kMove && area.Parm1 == t) return true;
    }
    return false;
}

}  // namespace

void MoveOrder(Session& session, std::int16_t t) {
    if (RefusedTarget(session, t) || RefusedNotAdjacent(session, t)) return;
    Record(session, kMove, t, 0);
}

void SupportAttackOrder(Session& session, std::int16_t t) {
    if (RefusedTarget(session, t) || RefusedNotAdjacent(session, t)) return;
    const std::int16_t me = session.game.CurrentPlayer;
    std::int16_t supported = session.port.AskSupportedPlayer();
    if (!IsPlayerNumber(supported)) supported = me;
    session.interaction.SupportedPlayer = supported;
    std::int16_t p2 = supported;
    if (supported == me) {
        p2 = 0;
        if (!SomeoneAttacks(session.game, t)) {
            session.port.ShowMessage(
                QStringLiteral("Warning, no unit attacking area ") + SignPlace(t),
                MessageIcon::Information);
        }
    }
    Record(session, kSupportAttack, t, p2);
}

void SupportDefendOrder(Session& session, std::int16_t t) {
    if (RefusedTarget(session, t) || RefusedNotAdjacent(session, t)) return;
    const AreaRecord& target = session.game.area(t);
    // Both warnings carry the stop icon yet let the order stand.
    if (target.UnitType != kNoUnit && target.Command == kMove) {
        session.port.ShowMessage(QStringLiteral("Warning, unit is leaving area ") + SignPlace(t),
                                 MessageIcon::Stop);
    }
    // A pending build counts as a unit.
    if (target.UnitType == kNoUnit && !target.Command.startsWith(QLatin1Char('A'))) {
        session.port.ShowMessage(QStringLiteral("Warning, no unit in area ") + SignPlace(t),
                                 MessageIcon::Stop);
    }
    Record(session, kSupportDefend, t, 0);
}

void ConvoyOrder(Session& session, std::int16_t t) {
    if (RefusedTarget(session, t)) return;
    const GameState& game = session.game;
    const std::int16_t s = session.interaction.SelectedArea;
    const AreaRecord& from = game.area(s);
    const AreaRecord& target = game.area(t);
    // A convoy link is not tested for adjacency.
    if (target.AreaType != kWater) {
        if (!IsKnownOwner(game, target.Owner)) {
            session.port.ShowMessage(
                QStringLiteral("Warning, not allied or at war with owner of area ") + SignPlace(t),
                MessageIcon::None);
        }
    } else {
        if (target.UnitType == kNoUnit)
            return Refuse(session, QStringLiteral("No unit in area ") + SignPlace(t) +
                                       QStringLiteral(" to convoy to"));
        if (!target.Command.isEmpty() && target.Command != kConvoy)
            return Refuse(session, QStringLiteral("Unit in area ") + SignPlace(t) +
                                       QStringLiteral(" already issued command"));
    }
    if (from.AreaType == kLand && target.AreaType == kLand)
        return Refuse(session,
                      QStringLiteral("Can't convoy from one land area to another land area"));
    std::int16_t size = 0;
    if (from.AreaType == kCoast) {
        if (from.UnitType == kFleet || from.UnitType == kSquadron)
            return Refuse(session, QStringLiteral("Can't convoy a naval unit"));
        size = UnitSize(game, s);
    } else {
        size = FindConvoyStart(session, s);
    }
    // A squadron carries only a corps.
    if (target.AreaType == kWater && target.UnitType == kSquadron && size == 2)
        return Refuse(session, QStringLiteral("Can't conovy an army"));
    Record(session, kConvoy, t, 0);
}

}  // namespace qm
