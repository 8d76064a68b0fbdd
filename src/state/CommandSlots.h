#pragma once
// Walking the command list: the slots in use and the list orders among them.

#include "state/GameState.h"
#include "state/Limits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace qm {

/// CommandCount, never past the table: it comes from outside data at times.
inline int LastUsedCommandSlot(const GameState& game) {
    return std::clamp<int>(game.CommandCount, 0, kLastCommandSlot);
}

/// Slot numbers as a range for `for`; its own type because clang 14 cannot
/// use the standard library's iota view.
class SlotRange {
public:
    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = std::int16_t;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::int16_t;

        explicit iterator(std::int16_t slot) : slot_(slot) {}
        std::int16_t operator*() const { return slot_; }
        iterator& operator++() {
            ++slot_;
            return *this;
        }
        bool operator==(const iterator&) const = default;

    private:
        std::int16_t slot_;
    };

    SlotRange(int first, int pastLast)
        : first_(static_cast<std::int16_t>(first)),
          pastLast_(static_cast<std::int16_t>(std::max(first, pastLast))) {}
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(pastLast_); }
    bool empty() const { return first_ == pastLast_; }

private:
    std::int16_t first_;
    std::int16_t pastLast_;
};

/// Slot numbers `first`..LastUsedCommandSlot.
inline SlotRange CommandSlotsFrom(const GameState& game, int first) {
    return SlotRange(first, LastUsedCommandSlot(game) + 1);
}

/// Every slot in use, the spy slots 1 and 2 included.
inline auto UsedCommandSlots(const GameState& game) { return CommandSlotsFrom(game, 1); }

/// The slots of the list orders: 3..CommandCount.
inline auto ListOrderSlots(const GameState& game) { return CommandSlotsFrom(game, kFirstListSlot); }

/// The order in slot `index` (0..100).
inline const CommandRecord& CommandAt(const GameState& game, int index) {
    return game.CommandList[static_cast<std::size_t>(index)];
}

}  // namespace qm
