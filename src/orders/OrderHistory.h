#pragma once
// Undo and redo of the player's orders. Every window that changes orders wraps
// the change in one call:
//
//     session.history.Record(session.game, [&] { ...the dialog's action... });
//
// (or BeginChange before and CommitChange after, which nest: only the
// outermost pair records a step). A step is kept only when the orders really
// changed. Undo and Redo put the orders back and redraw the grid rows, the
// summary, the board cells and the arrows through the usual core functions;
// windows that list orders of their own rebuild their lists when told by
// onChanged.

#include "state/AreaRecord.h"
#include "state/CommandRecord.h"
#include "state/Limits.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace qm {

struct GameState;
struct OrderContext;

/// Everything the player's orders consist of.
struct OrdersSnapshot {
    struct AreaOrder {
        QString Command;
        std::int16_t Parm1 = 0;
        std::int16_t Parm2 = 0;
        bool operator==(const AreaOrder&) const = default;
    };
    std::array<AreaOrder, kAreaSlots> areas{};
    std::array<CommandRecord, kCommandSlots> CommandList{};
    std::int16_t CommandCount = 0;

    bool operator==(const OrdersSnapshot& other) const;
};

OrdersSnapshot TakeOrdersSnapshot(const GameState& game);

class OrderHistory {
public:
    /// Steps kept; the oldest are forgotten first.
    static constexpr std::size_t kMaxSteps = 500;

    /// Forgets every step (a report was just opened).
    void Reset();

    void BeginChange(const GameState& game);
    /// Answers whether a step was recorded (the orders differ from BeginChange's).
    bool CommitChange(const GameState& game);

    template <typename Action>
    void Record(const GameState& game, Action&& action) {
        BeginChange(game);
        action();
        CommitChange(game);
    }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    /// Put the orders back as they were before the last step (after the last
    /// undone step) and redraw them. Nothing happens when there is no step.
    bool Undo(const OrderContext& context);
    bool Redo(const OrderContext& context);

    /// Called after every recorded step, undo, redo and reset (menus, lists).
    std::function<void()> onChanged;

private:
    void Changed() const {
        if (onChanged) onChanged();
    }

    std::deque<OrdersSnapshot> undo_;
    std::deque<OrdersSnapshot> redo_;
    std::optional<OrdersSnapshot> pending_;
    int depth_ = 0;
};

/// Puts `snapshot` into the game state and shows it: changed grid rows, the
/// summary, the changed areas' cells and the view with its arrows. The totals
/// follow from the orders put back, not from the time the snapshot was taken
/// (a merge in between may have recounted them).
void RestoreOrders(const OrderContext& context, const OrdersSnapshot& snapshot);

}  // namespace qm
