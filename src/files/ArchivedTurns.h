#pragma once
// Reading the game's history back: which turns are kept, one kept turn as it
// was (the report, what was merged into it, its saved orders), and what the
// kept reports last showed of the areas the loaded report does not show.

#include "files/TurnArchive.h"
#include "state/LastSeen.h"

#include <memory>
#include <vector>

namespace qm {

/// The kept turns of the game and player, oldest first.
std::vector<ReportTurn> ArchivedTurns(const QString& archive, const QString& gameCode,
                                      std::int16_t player);

/// Turns in the order they were played.
bool EarlierTurn(const ReportTurn& a, const ReportTurn& b);

/// The kept turn as it was, with the map data of `loaded` (the same game's);
/// nothing when its report cannot be read back.
std::unique_ptr<GameState> LoadArchivedTurn(const QString& archive, const GameState& loaded,
                                            const ReportTurn& turn);

/// For each area `loaded` does not show: the last kept report of a turn up
/// to the loaded one that showed it (the player's own or one merged into it).
LastSeen LastSeenOf(const QString& archive, const GameState& loaded);

}  // namespace qm
