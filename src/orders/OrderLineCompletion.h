#pragma once
// Completion of the order line's words: what the word being typed may become.

#include <QString>

#include <vector>

namespace qm {

struct GameState;

/// What the last word of `line` may become: the codes first, then areas
/// ("58", "Loromark") or players, as the words before it ask; names with
/// "_" for their blanks, so that a completed word stays one word.
std::vector<QString> OrderLineCompletions(const GameState& game, const QString& line);

}  // namespace qm
