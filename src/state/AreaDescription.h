#pragma once
// One line that tells what an area is, for the map window's status line when
// the pointer rests on the area or on its grid row.

#include <QString>

namespace qm {

struct GameState;

/// "60 Loromark: coast, supply 2, home; owner Veskaran (you); army of
/// Veskaran (you); order MO to 61 Ardmoor". After a merge it names the report
/// an area's owner and unit came from, and the reports that saw it otherwise.
/// Empty for a number that is no area.
QString AreaHoverText(const GameState& game, int area);

/// "60 Loromark"; the number alone for an area without a name.
QString AreaLabel(const GameState& game, int area);

/// "Veskaran (you)", "neutral"; the short name when the player has
/// no full name, "player 7" when he has neither.
QString PlayerText(const GameState& game, int player);

/// The short name players call each other by ("TIRV"); "player 7" when there is none.
QString ShortPlayerText(const GameState& game, int player);
/// "TIRV army": a unit by its owner's short name.
QString ShortUnitText(const GameState& game, int owner, int unitType);

}  // namespace qm
