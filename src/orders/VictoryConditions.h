#pragma once
// The victory conditions proposed on the first turn: one "VC" order with the
// number of turns (P1) and of points (P2). While its window is open the order
// stays in the command list and follows every fitting value at once, so a
// Save at any moment writes the proposal as shown.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace qm {

struct GameState;
struct Interaction;
class WindowPort;

inline constexpr int kVictoryTurns = 0;   // field index: turns
inline constexpr int kVictoryPoints = 1;  // field index: points

/// The proposal being edited.
struct VictoryProposal {
    std::optional<std::int16_t> slot;      // its "VC" order; none while the list is full
    std::array<std::int16_t, 2> values{};  // turns, points
};

/// Opening the window: map mode "VC"; the "VC" order in the lowest slot is
/// edited, or the proposal of 10 turns and 300 points is placed for it.
VictoryProposal OpenVictoryConditions(GameState& game, Interaction& interaction);

/// A field's new text: its number is stored in the order when it fits 16
/// bits; otherwise nothing changes. Answers whether it was stored.
bool EnterVictoryValue(GameState& game, VictoryProposal& proposal, int field, const QString& text);

/// Tells the player a field's number does not fit and which value is kept.
void RefuseVictoryValue(WindowPort& port, const VictoryProposal& proposal, int field);

/// Closing the window: its map mode ends (another window's stays); a proposal
/// that found no free slot so far is added now (a full list is refused with a
/// stop message).
void CloseVictoryConditions(GameState& game, Interaction& interaction, WindowPort& port,
                            VictoryProposal& proposal);

}  // namespace qm
