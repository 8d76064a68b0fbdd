#pragma once
// What changed between two reports of one game and player: areas that
// changed hands, units that came, went or changed, relations, the summary's
// totals, and what the second report shows of the first one's orders. Only
// what both reports show is compared: nothing is guessed.

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

/// What a line of the change list tells.
enum class ChangeKind { Heading, Owner, Unit, Relation, Total, Order };

/// One line of the change list; `area` is the area it is about (0 for a
/// heading or a line about no area).
struct ChangeLine {
    QString text;
    std::int16_t area = 0;
    ChangeKind kind = ChangeKind::Heading;
    bool operator==(const ChangeLine&) const = default;
};

/// The change list from `before` to `after`, in sections, each under its
/// heading and left out when empty. `before`'s own orders, if it has any,
/// end the list with what `after` shows of each.
std::vector<ChangeLine> ListChanges(const GameState& before, const GameState& after);

/// The areas whose owner or unit changed, each once.
std::vector<std::int16_t> ChangedAreas(const std::vector<ChangeLine>& lines);

}  // namespace qm
