#pragma once
// The six spied areas of the turn as the spy window shows them: one cell of
// text each, filled by map clicks and written into command slots 1 and 2
// when the window closes.

#include "state/SpySlots.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qm {

struct GameState;
struct Interaction;
class WindowPort;

struct SpyTargets {
    static constexpr int kCells = kSpyTargetCount;
    std::array<QString, kCells> cells;  // an area with its sign place, or empty
    bool open = false;                  // the spy window is open
};

/// The number a spy cell stands for: its leading number, rounded half to
/// even; empty text, text without a number and numbers beyond 16 bits read as 0.
std::int16_t SpyCellNumber(const QString& text);

/// Sets one slot of the command list without touching CommandCount (slot 0..100).
void SetSpyCommand(GameState& game, int slot, const QString& code, std::int16_t p1, std::int16_t p2,
                   std::int16_t p3, std::int16_t p4);

/// Opening the spy window: map clicks now spy, and the cells show slots 1 and 2
/// (a parameter of 0 or less shows as an empty cell).
void OpenSpyTargets(const GameState& game, Interaction& interaction, SpyTargets& spies);

/// Empties cells first..last (0..5) and packs the rest to the left in their order.
void DeleteSpyTargets(SpyTargets& spies, int first, int last);

/// Closing the spy window: map clicks stop spying (a mode another window armed
/// stays) and both slots are rewritten from the cells, also when nothing changed.
void CloseSpyTargets(GameState& game, Interaction& interaction, SpyTargets& spies);

/// Another window's map mode `mode` ends as that window closes: while the spy
/// window is open map clicks spy again, else they only select. A mode that yet
/// another window armed meanwhile stays.
void EndWindowMode(Interaction& interaction, const SpyTargets& spies, QLatin1String mode);

/// A map click in spy mode: the area goes into the first empty cell; a
/// seventh is refused. A click beside every area is refused and spy mode stays.
/// Answers whether a cell was filled.
bool SpyOrder(SpyTargets& spies, WindowPort& port, std::int16_t t);

}  // namespace qm
