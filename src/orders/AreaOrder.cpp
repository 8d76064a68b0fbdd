#include "orders/AreaOrder.h"

#include "map/MapDrawing.h"
#include "orders/MoveRules.h"
#include "orders/OrderCodes.h"
#include "state/RefreshDisplay.h"
#include "state/Session.h"

#include <algorithm>
#include <limits>

namespace qm {

namespace {

constexpr int kFreeSupplyRow = 7;
constexpr int kTotalsColumn = 1;

QString CellNumber(std::int16_t value) { return value < 1 ? QString() : QString::number(value); }

}  // namespace

void AdjustFreeSupply(Session& session, std::int16_t delta) {
    std::int16_t& free = session.game.totals.FreeSupply;
    int next = free + delta;
    if (free < 0 && next > 0) next = 0;
    // The balance is a 16-bit number; it must never wrap, so it stops at the ends.
    next = std::clamp(next, int{std::numeric_limits<std::int16_t>::min()},
                      int{std::numeric_limits<std::int16_t>::max()});
    free = static_cast<std::int16_t>(next);
    session.port.SetGridCell(GridId::Summary, kFreeSupplyRow, kTotalsColumn, QString::number(free));
}

bool SetAreaOrder(Session& session, const QString& code, std::int16_t p1, std::int16_t p2) {
    Interaction& interaction = session.interaction;
    const std::int16_t s = interaction.SelectedArea;
    const bool checked = code == kMove || code == kSupportAttack || code == kSupportDefend;
    if (!IsAreaNumber(s) || (checked && !CheckMove(session, s, p1))) {
        interaction.MapMode.clear();
        return false;
    }
    AreaRecord& area = session.game.area(s);
    // The refund is worked out from the old order before it is overwritten.
    if (const std::int16_t back = TakeBackOf(area); back != 0) AdjustFreeSupply(session, back);
    area.Command = code;
    area.Parm1 = p1;
    area.Parm2 = p2;
    session.port.SetGridCell(GridId::Area, s, kColCommand, code);
    session.port.SetGridCell(GridId::Area, s, kColParm1, CellNumber(p1));
    session.port.SetGridCell(GridId::Area, s, kColParm2, CellNumber(p2));
    if (p1 >= 1) DrawOrderArrow(session, s, p1, code);
    interaction.MapMode.clear();
    return true;
}

}  // namespace qm
