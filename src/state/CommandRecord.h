#pragma once
// One slot of the list of orders that do not belong to one area.

#include <QString>

#include <array>
#include <cstdint>

namespace qm {

struct CommandRecord {
    QString Code;                     // empty: free slot
    std::array<std::int16_t, 5> P{};  // P1..P4 in 1..4

    bool IsEmpty() const { return Code.isEmpty(); }
};

}  // namespace qm
