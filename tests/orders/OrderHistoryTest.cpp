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
TEST_F(OrderHistoryTest, RefusalsRecordNothingNestedChangesOneStepAndTotalsFollowTheOrders) {
    Area(7, kCoast, test::kMe, 2), Area(8, kLand, test::kMe, 2);
    RefreshDisplay(game(), port);
    ASSERT_EQ(freeSupply(), 4);
    history.Reset();
    Build(9);  // not owned: refused
    EXPECT_FALSE(history.CanUndo());

    history.BeginChange(game());
    Build(7), Build(8);
    EXPECT_FALSE(history.Undo(session.orders()));  // never in the middle of a change
    history.CommitChange(game());
    ASSERT_TRUE(history.Undo(session.orders()));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(area(8).Command, "");

    // A new change forgets what could have been redone; the totals recounted
    // after a step (as a merge does) are what undo and redo start from.
    Build(8);
    EXPECT_FALSE(history.CanRedo());
    Area(20, kLand, test::kMe, 3);
    RefreshDisplay(game(), port);
    const std::int16_t built = freeSupply();
    ASSERT_TRUE(history.Undo(session.orders()));
    EXPECT_EQ(freeSupply(), 7);
    EXPECT_EQ(port.cell(GridId::Summary, 7, 1), "7");
    ASSERT_TRUE(history.Redo(session.orders()));
    EXPECT_EQ(freeSupply(), built);
}

}  // namespace
}  // namespace qm
