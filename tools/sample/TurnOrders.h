#pragma once
// What one power orders in one turn, in the terms the game master carries out.

#include "sample/SampleGame.h"

#include <QString>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace sample {

struct PlayerOrders {
    std::vector<std::pair<int, int>> moves;   // from, to
    std::vector<std::pair<int, int>> builds;  // area, unit type
    std::vector<int> upgrades;
    std::vector<int> removals;
    std::vector<std::pair<QString, int>> declarations;  // "DA", "DN" or "DW", player
    // Supports carry nothing out here (the sample has no battles); an ally's
    // plan shown beside another player's orders gives them.
    std::vector<std::pair<int, int>> defences;       // from, the area defended
    std::vector<std::tuple<int, int, int>> attacks;  // from, target, the player supported

    bool operator==(const PlayerOrders&) const = default;

    /// The same orders in area order, as the orders file lists them.
    PlayerOrders Sorted() const {
        PlayerOrders sorted = *this;
        std::sort(sorted.moves.begin(), sorted.moves.end());
        std::sort(sorted.builds.begin(), sorted.builds.end());
        std::sort(sorted.upgrades.begin(), sorted.upgrades.end());
        std::sort(sorted.removals.begin(), sorted.removals.end());
        std::sort(sorted.defences.begin(), sorted.defences.end());
        std::sort(sorted.attacks.begin(), sorted.attacks.end());
        return sorted;
    }
};

using TurnOrders = std::array<PlayerOrders, kPowers + 1>;  // by player 1..7

}  // namespace sample
