#pragma once
// The lines of the Your Areas window: one per area the current player owns or
// holds a unit in, with the unit and the order entered there.

#include <QString>
#include <QStringList>

namespace qm {

struct GameState;

/// One line of the list for area `area` (the caller decides whether it is listed).
QString YourAreaLine(const GameState& game, int area);

/// The whole list, in ascending area number.
QStringList FillYourAreas(const GameState& game);

}  // namespace qm
