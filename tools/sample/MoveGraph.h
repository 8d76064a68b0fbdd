#pragma once
// The steps a unit may take in one turn, as the program's own move rule
// allows them, and the shortest ways over them.

#include "sample/SampleGame.h"

#include "orders/MoveRules.h"
#include "state/ConsolePort.h"
#include "state/UnitTypes.h"

#include <functional>
#include <memory>
#include <vector>

namespace sample {

/// Land units (armies, corps) and naval units (fleets, squadrons) move alike.
inline int UnitClass(int unitType) {
    return unitType == qm::kArmy || unitType == qm::kCorps ? 0 : 1;
}

class MoveGraph {
public:
    explicit MoveGraph(const MapFacts& facts) {
        // The program's move check, asked about every neighbour with a unit
        // of each class standing in the area.
        auto probe = std::make_unique<qm::GameState>(facts.map());
        qm::ConsolePort quiet({}, true);
        for (int a = 1; a <= qm::kLastArea; ++a)
            for (const int b : facts.Neighbours(a))
                for (const int type : {qm::kArmy, qm::kFleet}) {
                    probe->area(a).UnitType = static_cast<std::int16_t>(type);
                    const auto from = static_cast<std::int16_t>(a),
                               to = static_cast<std::int16_t>(b);
                    if (qm::IsAdjacent(*probe, from, to) && qm::CheckMove(*probe, quiet, from, to))
                        steps_[UnitClass(type)][a].push_back(b);
                    probe->area(a).UnitType = 0;
                }
    }

    /// The areas a unit of the type may step to from a.
    const std::vector<int>& From(int unitType, int a) const {
        return steps_[UnitClass(unitType)][a];
    }
    bool CanStep(int unitType, int a, int b) const {
        const auto& list = From(unitType, a);
        return std::find(list.begin(), list.end(), b) != list.end();
    }

    /// Steps from `from` to every area, entering only areas that `enter` allows.
    std::vector<int> Distances(int unitType, int from,
                               const std::function<bool(int)>& enter) const {
        std::vector<int> steps(qm::kAreaSlots, kFar);
        std::vector<int> queue = {from};
        steps[from] = 0;
        for (std::size_t i = 0; i < queue.size(); ++i)
            for (const int n : From(unitType, queue[i]))
                if (steps[n] == kFar && enter(n)) {
                    steps[n] = steps[queue[i]] + 1;
                    queue.push_back(n);
                }
        return steps;
    }

    static constexpr int kFar = 999;

private:
    std::array<std::array<std::vector<int>, qm::kAreaSlots>, 2> steps_;
};

}  // namespace sample
