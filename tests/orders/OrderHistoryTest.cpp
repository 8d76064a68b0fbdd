#include "orders/OrderHistory.h"

#include "orders/CommandList.h"
#include "orders/OrderWorld.h"
#include "orders/UnitOrders.h"

namespace qm {
namespace {

class OrderHistoryTest : public test::OrderWorld {
protected:
    void SetUp() override {
        Area(7, kCoast, test::kMe, 2);
        Area(8, kLand, test::kMe, 2);
        freeSupply() = 4;
        history.Reset(game());
    }
    void Build(int n) {
        history.Record(game(), [&] {
            Arm(n, "");
            BuildUnit(session.orders(), kArmy);
        });
    }
    OrderHistory& history = session.history;
};

TEST_F(OrderHistoryTest, UndoAndRedoRestoreOrdersSupplyListAndGrid) {
    const OrdersSnapshot start = TakeOrdersSnapshot(game());
    Build(7);
    history.Record(game(), [&] { AddCommand(game(), port, "DA", 2, 0, 0, 0); });
    Build(8);
    const OrdersSnapshot end = TakeOrdersSnapshot(game());
    ASSERT_EQ(freeSupply(), 0);

    ASSERT_TRUE(history.Undo(session.orders()));
    EXPECT_TRUE(area(8).Command.isEmpty());
    EXPECT_EQ(port.cell(GridId::Area, 8, kColCommand), "");
    EXPECT_EQ(port.cell(GridId::Summary, 7, 1), "2");
    EXPECT_TRUE(history.Undo(session.orders()));
    EXPECT_TRUE(history.Undo(session.orders()));
    EXPECT_FALSE(history.Undo(session.orders()));
    EXPECT_EQ(TakeOrdersSnapshot(game()), start);
    EXPECT_FALSE(history.ChangedSinceSave(game()));

    while (history.Redo(session.orders())) {
    }
    EXPECT_EQ(TakeOrdersSnapshot(game()), end);
    EXPECT_EQ(port.cell(GridId::Area, 8, kColCommand), "AA");
    EXPECT_EQ(game().CommandList[3].Code, "DA");
    EXPECT_TRUE(history.ChangedSinceSave(game()));
}

TEST_F(OrderHistoryTest, RefusalsAndNestedChangesMakeOneStepOrNone) {
    history.Record(game(), [&] {
        Arm(9, "");  // not owned: refused, nothing changes
        BuildUnit(session.orders(), kArmy);
    });
    EXPECT_FALSE(history.CanUndo());

    history.BeginChange(game());
    Build(7);
    Build(8);
    EXPECT_FALSE(history.Undo(session.orders()));  // never in the middle of a change
    history.CommitChange(game());
    ASSERT_TRUE(history.Undo(session.orders()));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(freeSupply(), 4);

    // A new change forgets what could have been redone; a save moves the mark.
    Build(8);
    EXPECT_FALSE(history.CanRedo());
    history.MarkSaved(game());
    EXPECT_FALSE(history.ChangedSinceSave(game()));
    history.Undo(session.orders());
    EXPECT_TRUE(history.ChangedSinceSave(game()));
}

}  // namespace
}  // namespace qm
