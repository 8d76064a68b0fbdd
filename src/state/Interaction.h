#pragma once
// What the pointer is doing: the area picked last and the order waiting for a target.

#include <QString>

#include <cstdint>

namespace qm {

struct Interaction {
    std::int16_t SelectedArea = 0;  // 0 = none
    QString MapMode;                // the order the next map click completes; empty = none
    std::int16_t SupportedPlayer = 0;
    bool ReadOnly = false;  // a kept turn of the game's history is shown: no order is taken
};

}  // namespace qm
