#include "orders/MapClicks.h"

#include "orders/OrderCodes.h"
#include "orders/SpyTargets.h"
#include "orders/TargetOrders.h"
#include "orders/UnitOrders.h"
#include "state/NumberText.h"
#include "state/Session.h"

#include <algorithm>

namespace qm {

namespace {

// The grid shows the last rows from this one on; it never scrolls further.
constexpr std::int16_t kLastTopRow = 267;

void Arm(Session& session, QLatin1String mode, const QString& refusal) {
    session.interaction.MapMode = mode;
    const AreaRecord& area = session.game.area(session.interaction.SelectedArea);
    if (area.UnitOwner == session.game.CurrentPlayer) return;
    session.port.ShowMessage(refusal, MessageIcon::Stop);
    session.interaction.MapMode.clear();
}

}  // namespace

void MapDoubleClick(Session& session, std::int16_t area, int option) {
    if (!session.interaction.MapMode.isEmpty()) return;
    session.interaction.SelectedArea = area;
    // Beside every area there is nothing to give an order to.
    if (!IsAreaNumber(area)) return;
    const QString notYours = QStringLiteral("No unit there owned by you");
    switch (static_cast<MapOption>(option)) {
        case MapOption::Move:
            return Arm(session, kMove, notYours);
        case MapOption::SupportAttack:
            return Arm(session, kSupportAttack, notYours);
        case MapOption::SupportDefend:
            return Arm(session, kSupportDefend, notYours);
        case MapOption::Convoy:
            return Arm(session, kConvoy,
                       QStringLiteral("No unit in area ") + SignPlace(area) +
                           QStringLiteral(" owned by you"));
        case MapOption::Downgrade:
            return DowngradeUnit(session);
        case MapOption::Remove:
            return RemoveUnit(session);
        case MapOption::BuildArmy:
            return BuildUnit(session, kArmy);
        case MapOption::BuildCorps:
            return BuildUnit(session, kCorps);
        case MapOption::BuildFleet:
            return BuildUnit(session, kFleet);
        case MapOption::BuildSquadron:
            return BuildUnit(session, kSquadron);
        case MapOption::Upgrade:
            return UpgradeUnit(session);
        case MapOption::Cancel:
            return ClearAreaOrder(session);
    }
}

MapClickAnswer MapClick(Session& session, std::int16_t t) {
    const QString mode = session.interaction.MapMode;
    if (mode.isEmpty()) {
        if (!IsAreaNumber(t)) return {};
        return {MapClickAnswer::Action::ScrollGrid, std::min(t, kLastTopRow)};
    }
    using Action = MapClickAnswer::Action;
    if (mode == kMove) {
        MoveOrder(session, t);
    } else if (mode == kSupportAttack) {
        SupportAttackOrder(session, t);
    } else if (mode == kSupportDefend) {
        SupportDefendOrder(session, t);
    } else if (mode == kConvoy) {
        ConvoyOrder(session, t);
    } else if (mode == kSpy) {
        if (SpyOrder(session, t)) return {Action::SpyTargetsChanged, t};
    } else if (mode == kGrantAccess) {
        return {Action::GrantAccess, t};
    }
    return {};
}

}  // namespace qm
