#include "orders/OrderHistory.h"

#include "orders/OrderWorld.h"
#include "orders/UnitOrders.h"

namespace qm {
namespace {

class OrderHistoryTest : public test::OrderWorld {
protected:
    void Build(int n) {
        history.Record(game(), [&] {
            Arm(n, "");
            BuildUnit(session.orders(), kArmy);
        });
    }
    OrderHistory& history = session.history;
};

// Restoring the grid, summary and arrows is followed through the windows (TurnToolsTest).
TEST_F(OrderHistoryTest, RefusalsRecordNothingNestedChangesOneStepAndTheSavedMarkFollows) {
    Area(7, kCoast, test::kMe, 2), Area(8, kLand, test::kMe, 2);
    freeSupply() = 4;
    history.Reset(game());
    Build(9);  // not owned: refused
    EXPECT_FALSE(history.CanUndo());

    history.BeginChange(game());
    Build(7);
    Build(8);
    EXPECT_FALSE(history.Undo(session.orders()));  // never in the middle of a change
    history.CommitChange(game());
    ASSERT_TRUE(history.Undo(session.orders()));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(freeSupply(), 4);
    EXPECT_EQ(port.cell(GridId::Area, 8, kColCommand), "");
    EXPECT_FALSE(history.ChangedSinceSave(game()));

    // A new change forgets what could have been redone; undoing past a save is a change.
    Build(8);
    EXPECT_FALSE(history.CanRedo());
    history.MarkSaved(game());
    history.Undo(session.orders());
    EXPECT_TRUE(history.ChangedSinceSave(game()));
}

}  // namespace
}  // namespace qm
