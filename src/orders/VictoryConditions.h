#pragma once
// The victory conditions proposed on the first turn: one "VC" order with the
// number of turns (P1) and of points (P2). While its window is open the order
// stays in the command list and follows every fitting value at once, so a
// Save at any moment writes the proposal as shown; for undo the window's
// whole visit is one step, recorded when it closes.

#include "state/CommandRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace qm {

struct GameState;
struct Interaction;
struct SpyTargets;
class OrderHistory;
class WindowPort;

inline constexpr int kVictoryTurns = 0;   // field index: turns
inline constexpr int kVictoryPoints = 1;  // field index: points

/// The proposal being edited.
struct VictoryProposal {
    std::optional<std::int16_t> slot;       // its "VC" order; none while the list is full
    std::array<std::int16_t, 2> values{};   // turns, points
    std::array<std::int16_t, 2> settled{};  // each field's value before its present typing
    // The command list as the window found it, for the visit's undo step.
    std::optional<CommandRecord> found;  // the order edited, if there was one (in `slot`)
    bool appended = false;               // the window's order went after the last slot
};

/// Opening the window: map mode "VC"; the "VC" order in the lowest slot is
/// edited, or the proposal of 10 turns and 300 points is placed for it.
VictoryProposal OpenVictoryConditions(GameState& game, Interaction& interaction);

/// A field's new text: its number is stored in the order when it fits 16
/// bits; otherwise the field's settled value is. Answers whether it fitted.
bool EnterVictoryValue(GameState& game, VictoryProposal& proposal, int field, const QString& text);

/// A field's typing is done (its edit finished, or its scroll bar moved): a
/// number that does not fit later falls back to the value it holds now.
void SettleVictoryValue(VictoryProposal& proposal, int field);

/// Tells the player a field's number does not fit and which value is kept.
void RefuseVictoryValue(WindowPort& port, const VictoryProposal& proposal, int field);

/// Closing the window: its map mode ends (map clicks spy again while the spy
/// window is open; another window's mode stays); a proposal that found no free
/// slot so far is added now (a full list is refused with a stop message). The
/// visit goes into the history as one step of its own.
void CloseVictoryConditions(GameState& game, Interaction& interaction, WindowPort& port,
                            const SpyTargets& spies, OrderHistory& history,
                            VictoryProposal& proposal);

}  // namespace qm
