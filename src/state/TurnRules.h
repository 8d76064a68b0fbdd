#pragma once
// Rules that depend only on the turn of the loaded report.

#include "state/GameState.h"
#include "state/UnitTypes.h"
#include "state/WindowPort.h"

namespace qm {

/// The game's first turn: the one for victory conditions, and no war yet.
inline bool IsFirstTurn(const GameState& game) {
    return game.TurnYear == kFirstYear && game.TurnOfYear == 1;
}

/// No war and no call to arms during the first three turns of a game.
inline bool IsFirstThreeTurns(const GameState& game) {
    return game.TurnYear == kFirstYear && game.TurnOfYear < 4;
}

/// An own unit stands in the area and has no order yet.
inline bool AwaitsOrder(const GameState& game, int area) {
    const AreaRecord& record = game.area(area);
    return IsOwnUnit(record, game.CurrentPlayer) && record.Command.isEmpty();
}

/// The next own unit without an order after area `from` (before it, with
/// `backwards`), round the end of the table; 0 when every unit has one.
inline std::int16_t NextUnitWithoutOrder(const GameState& game, int from, bool backwards) {
    for (int step = 1; step <= kLastArea; ++step) {
        const int area =
            ((from - 1 + (backwards ? -step : step)) % kLastArea + kLastArea) % kLastArea + 1;
        if (AwaitsOrder(game, area)) return static_cast<std::int16_t>(area);
    }
    return 0;
}

inline constexpr char16_t kFirstTurnsRefusal[] =
    u"Can't declare war or call to arms on the first three turns";

/// During the first three turns shows why war and calls to arms must wait and
/// answers true; afterwards answers false.
inline bool RefusedInFirstTurns(const GameState& game, WindowPort& port) {
    if (!IsFirstThreeTurns(game)) return false;
    port.ShowMessage(QString::fromUtf16(kFirstTurnsRefusal), MessageIcon::Information);
    return true;
}

}  // namespace qm
