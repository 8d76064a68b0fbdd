#include "state/CommandSlots.h"

#include <gtest/gtest.h>

#include <vector>

namespace qm {
namespace {

std::vector<int> Slots(SlotRange range) { return std::vector<int>(range.begin(), range.end()); }

TEST(CommandSlotsTest, WalksTheSlotsInUseNeverPastTheTable) {
    GameState game;
    game.CommandCount = 4;
    EXPECT_EQ(Slots(UsedCommandSlots(game)), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Slots(ListOrderSlots(game)), (std::vector<int>{3, 4}));
    game.CommandCount = 2;  // the spies alone
    EXPECT_TRUE(ListOrderSlots(game).empty());
    game.CommandCount = -7;
    EXPECT_TRUE(UsedCommandSlots(game).empty());
    game.CommandCount = 500;
    EXPECT_EQ(Slots(ListOrderSlots(game)).back(), kLastCommandSlot);
    EXPECT_EQ(Slots(ListOrderSlots(game)).size(), std::size_t{kLastCommandSlot - 2});
}

}  // namespace
}  // namespace qm
