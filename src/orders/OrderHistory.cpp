#include "orders/OrderHistory.h"

#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "orders/AreaOrder.h"
#include "orders/OrderContext.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"
#include "state/Totals.h"

namespace qm {

bool OrdersSnapshot::operator==(const OrdersSnapshot& other) const {
    if (areas != other.areas || CommandCount != other.CommandCount) return false;
    for (std::size_t i = 0; i < CommandList.size(); ++i) {
        const CommandRecord& a = CommandList[i];
        const CommandRecord& b = other.CommandList[i];
        if (a.Code != b.Code || a.P != b.P) return false;
    }
    return true;
}

OrdersSnapshot TakeOrdersSnapshot(const GameState& game) {
    OrdersSnapshot snapshot;
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        snapshot.areas[static_cast<std::size_t>(i)] = {area.Command, area.Parm1, area.Parm2};
    }
    snapshot.CommandList = game.CommandList;
    snapshot.CommandCount = game.CommandCount;
    return snapshot;
}

void RestoreOrders(const OrderContext& context, const OrdersSnapshot& snapshot) {
    GameState& game = context.game;
    // Taking orders back or giving them again is a change to be saved like any other.
    MarkOrdersChanged(game);
    // An order waiting for its target click belongs to the orders being replaced.
    const QString& mode = context.interaction.MapMode;
    if (mode == kMove || mode == kSupportAttack || mode == kSupportDefend || mode == kConvoy)
        context.interaction.MapMode.clear();
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        AreaRecord& area = game.area(i);
        const OrdersSnapshot::AreaOrder& order = snapshot.areas[static_cast<std::size_t>(i)];
        if (area.Command == order.Command && area.Parm1 == order.Parm1 && area.Parm2 == order.Parm2)
            continue;
        area.Command = order.Command;
        area.Parm1 = order.Parm1;
        area.Parm2 = order.Parm2;
        ShowAreaOrderCells(context.port, i, area);
        RedrawArea(game, context.map, i);
    }
    game.CommandList = snapshot.CommandList;
    game.CommandCount = snapshot.CommandCount;
    game.totals = ComputeTotals(game);
    ShowTotals(game, context.port);
    RefreshView(game, context.map, context.port);
}

void OrderHistory::Reset() {
    undo_.clear();
    redo_.clear();
    pending_.reset();
    depth_ = 0;
    Changed();
}

void OrderHistory::BeginChange(const GameState& game) {
    if (depth_++ == 0) pending_ = TakeOrdersSnapshot(game);
}

bool OrderHistory::CommitChange(const GameState& game) {
    if (depth_ == 0 || --depth_ > 0 || !pending_) return false;
    OrdersSnapshot before = std::move(*pending_);
    pending_.reset();
    if (before == TakeOrdersSnapshot(game)) return false;
    undo_.push_back(std::move(before));
    if (undo_.size() > kMaxSteps) undo_.pop_front();
    redo_.clear();
    Changed();
    return true;
}

bool OrderHistory::Undo(const OrderContext& context) {
    if (undo_.empty() || depth_ > 0) return false;
    redo_.push_back(TakeOrdersSnapshot(context.game));
    RestoreOrders(context, undo_.back());
    undo_.pop_back();
    Changed();
    return true;
}

bool OrderHistory::Redo(const OrderContext& context) {
    if (redo_.empty() || depth_ > 0) return false;
    undo_.push_back(TakeOrdersSnapshot(context.game));
    RestoreOrders(context, redo_.back());
    redo_.pop_back();
    Changed();
    return true;
}

}  // namespace qm
