#include "orders/UnitOrders.h"

#include "map/MapDrawing.h"
#include "orders/AreaOrder.h"
#include "orders/OrderCodes.h"
#include "state/NumberText.h"
#include "state/Session.h"

namespace qm {

namespace {

void Refuse(Session& session, const QString& text) {
    session.port.ShowMessage(text, MessageIcon::Stop);
}

QString AreaText(std::int16_t area, const char* rest) {
    return QStringLiteral("Area ") + SignPlace(area) + QLatin1String(rest);
}

void Redraw(Session& session, std::int16_t area) {
    RedrawArea(session, area);
    RefreshView(session);
}

// The selected area, or nothing when the double-click hit no area.
AreaRecord* Selected(Session& session) {
    const std::int16_t s = session.interaction.SelectedArea;
    return IsAreaNumber(s) ? &session.game.area(s) : nullptr;
}

}  // namespace

void BuildUnit(Session& session, std::int16_t unitType) {
    const QString code = BuildCode(unitType);
    AreaRecord* area = Selected(session);
    if (code.isEmpty() || !area || area->Command == code) return;
    const std::int16_t s = session.interaction.SelectedArea;
    const std::int16_t cost = UnitTypeSize(unitType);
    if (area->Owner != session.game.CurrentPlayer)
        return Refuse(session, AreaText(s, " not owned by you"));
    if (area->UnitType != kNoUnit) return Refuse(session, AreaText(s, " already has a unit in it"));
    if (area->Supply < cost) return Refuse(session, AreaText(s, " not proper sized supply centre"));
    // The balance before the refund of the order this one replaces.
    if (session.game.totals.FreeSupply < cost)
        return Refuse(session, QStringLiteral("Not enough supply points available to build unit"));
    if ((unitType == kFleet || unitType == kSquadron) && area->AreaType != kCoast)
        return Refuse(session, QStringLiteral("Must be a coastal area to add a fleet or squadron"));
    SetAreaOrder(session, code, 0, 0);
    AdjustFreeSupply(session, static_cast<std::int16_t>(-cost));
    Redraw(session, s);
}

void UpgradeUnit(Session& session) {
    AreaRecord* area = Selected(session);
    if (!area || area->Command == kUpgrade) return;
    const std::int16_t s = session.interaction.SelectedArea;
    if (session.game.totals.FreeSupply <= 0)
        return Refuse(session, QStringLiteral("No supply available to upgrade any units"));
    if (area->UnitOwner != session.game.CurrentPlayer)
        return Refuse(session, QStringLiteral("No unit there owned by you"));
    if (area->Supply == 0) return Refuse(session, AreaText(s, " not a supply center"));
    if (area->UnitType != kCorps && area->UnitType != kSquadron)
        return Refuse(session, QStringLiteral("Can only upgrade a corps or squadron"));
    SetAreaOrder(session, kUpgrade, 0, 0);
    Redraw(session, s);
    AdjustFreeSupply(session, -1);
}

void DowngradeUnit(Session& session) {
    AreaRecord* area = Selected(session);
    if (!area || area->Command == kDowngrade) return;
    const std::int16_t s = session.interaction.SelectedArea;
    if (session.game.totals.FreeSupply >= 0)
        return Refuse(session, QStringLiteral("Not allowed to downgrade any units"));
    if (area->UnitOwner != session.game.CurrentPlayer)
        return Refuse(session, QStringLiteral("No unit there owned by you"));
    if (area->UnitType == kCorps || area->UnitType == kSquadron)
        return Refuse(session, QStringLiteral("Can't downgrade corps or squadrons"));
    // Credited before the old order is taken back: a negative balance rises at most to 0 per step.
    AdjustFreeSupply(session, 1);
    SetAreaOrder(session, kDowngrade, 0, 0);
    Redraw(session, s);
}

void RemoveUnit(Session& session) {
    AreaRecord* area = Selected(session);
    if (!area || area->Command == kRemove) return;
    const std::int16_t s = session.interaction.SelectedArea;
    if (session.game.totals.FreeSupply >= 0)
        return Refuse(session, QStringLiteral("Not allowed to remove any units"));
    if (area->UnitOwner != session.game.CurrentPlayer)
        return Refuse(session, QStringLiteral("No unit there owned by you"));
    SetAreaOrder(session, kRemove, 0, 0);
    if (const std::int16_t gain = UnitTypeSize(area->UnitType); gain > 0)
        AdjustFreeSupply(session, gain);
    Redraw(session, s);
}

void ClearAreaOrder(Session& session) {
    AreaRecord* area = Selected(session);
    if (!area || area->Command.isEmpty()) return;
    SetAreaOrder(session, QString(), 0, 0);
    Redraw(session, session.interaction.SelectedArea);
}

}  // namespace qm
