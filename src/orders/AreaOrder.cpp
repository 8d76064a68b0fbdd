#include "orders/AreaOrder.h"

#include "map/ArrowDrawing.h"
#include "orders/MoveRules.h"
#include "orders/OrderContext.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"
#include "state/SummaryRows.h"

#include <algorithm>
#include <limits>

namespace qm {

namespace {

QString CellNumber(std::int16_t value) { return value < 1 ? QString() : QString::number(value); }

}  // namespace

void AdjustFreeSupply(GameState& game, WindowPort& port, std::int16_t delta) {
    std::int16_t& free = game.totals.FreeSupply;
    int next = free + delta;
    if (free < 0 && next > 0) next = 0;
    // The balance is a 16-bit number; it must never wrap, so it stops at the ends.
    next = std::clamp(next, int{std::numeric_limits<std::int16_t>::min()},
                      int{std::numeric_limits<std::int16_t>::max()});
    free = static_cast<std::int16_t>(next);
    port.SetGridCell(GridId::Summary, kFreeSupplyRow, kSummaryValueColumn, QString::number(free));
}

void ShowAreaOrderCells(WindowPort& port, std::int16_t areaNumber, const AreaRecord& area) {
    port.SetGridCell(GridId::Area, areaNumber, kColCommand, area.Command);
    port.SetGridCell(GridId::Area, areaNumber, kColParm1, CellNumber(area.Parm1));
    port.SetGridCell(GridId::Area, areaNumber, kColParm2, CellNumber(area.Parm2));
}

bool SetAreaOrder(const OrderContext& context, const QString& code, std::int16_t p1,
                  std::int16_t p2) {
    Interaction& interaction = context.interaction;
    const std::int16_t s = interaction.SelectedArea;
    const bool checked = code == kMove || code == kSupportAttack || code == kSupportDefend;
    if (!IsAreaNumber(s) || (checked && !CheckMove(context.game, context.port, s, p1))) {
        interaction.MapMode.clear();
        return false;
    }
    AreaRecord& area = context.game.area(s);
    // The refund is worked out from the old order before it is overwritten.
    if (const std::int16_t back = ChargeOf(area, context.game.CurrentPlayer); back != 0)
        AdjustFreeSupply(context.game, context.port, back);
    area.Command = code;
    area.Parm1 = p1;
    area.Parm2 = p2;
    MarkOrdersChanged(context.game);
    ShowAreaOrderCells(context.port, s, area);
    if (p1 >= 1) DrawOrderArrow(context.game, context.map, context.port, s, p1, code);
    interaction.MapMode.clear();
    return true;
}

}  // namespace qm
