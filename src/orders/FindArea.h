#pragma once
// Finding an area by what the player types: its number, its name or a part of it.

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

/// The area a find names: by its number, or by its name or a part of it that
/// fits one area alone (a whole name wins over parts); 0 when none or several.
std::int16_t FindArea(const GameState& game, const QString& text);

/// Every area as the find box offers it: "60 Loromark", or the number alone.
std::vector<QString> AreaChoices(const GameState& game);

}  // namespace qm
