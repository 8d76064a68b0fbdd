#pragma once
// The one loaded turn: areas, players, list orders, turn identity and totals.

#include "state/AllyPlans.h"
#include "state/AreaRecord.h"
#include "state/CommandRecord.h"
#include "state/Limits.h"
#include "state/MergeLog.h"
#include "state/PlayerRecord.h"
#include "state/Totals.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qm {

/// Counts the changes of the orders; see OrderRevision.h.
struct OrderCounter {
    std::uint32_t current = 0;    // raised by every change
    std::uint32_t kept = 0;       // current at the last save or restore
    std::uint32_t recovered = 0;  // current when the recovery copy was last written
};

struct GameState {
    std::array<AreaRecord, kAreaSlots> AreaTable{};
    std::array<PlayerRecord, kPlayerSlots> RelationTable{};
    std::array<CommandRecord, kCommandSlots> CommandList{};
    std::int16_t CommandCount = 0;

    std::int16_t CurrentPlayer = 0;
    std::int16_t PlayerCount = 0;
    std::int16_t TurnYear = 0;
    std::int16_t TurnOfYear = 0;
    QString GameCode;
    QString PlayerIdent;
    QString ReportDir;   // ends in a separator; orders are written here
    QString ProgramDir;  // ends in a separator; map data are read from here

    Totals totals;
    OrderCounter Revision;
    MergeLog Merges;
    AllyPlans Allies;  // allies' orders shown beside the player's

    /// Turns since the game began, the first being 1. The reader keeps it in 16 bits.
    int TurnNumber() const { return (TurnYear - kFirstYear) * 4 + TurnOfYear; }

    /// A player of the game one can name: 1..PlayerCount, never owner 12,
    /// who stands for the areas the report does not show.
    bool IsGamePlayer(int number) const {
        return number >= 1 && number <= PlayerCount && number < kUnseenOwner;
    }

    AreaRecord& area(int number) { return AreaTable[static_cast<std::size_t>(number)]; }
    const AreaRecord& area(int number) const { return AreaTable[static_cast<std::size_t>(number)]; }
    PlayerRecord& player(int number) { return RelationTable[static_cast<std::size_t>(number)]; }
    const PlayerRecord& player(int number) const {
        return RelationTable[static_cast<std::size_t>(number)];
    }
};

}  // namespace qm
