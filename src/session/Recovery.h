#pragma once
// The recovery copy: the orders of the loaded turn written after every change,
// so that a run that ends without Save (a crash, a killed process, a lost
// session) loses nothing. It is kept in the user's data folder, one file per
// game, player and turn, in the working copy's format; commands.dat and
// orders.tmp are still written by Save alone.

#include "io/AtomicWrite.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm {

struct GameState;
struct Session;

/// The user's folder for recovery copies, ending in a separator.
QString DefaultRecoveryFolder();

/// Where the loaded turn's recovery copy lives in folder; empty before a
/// report is read.
QString RecoveryCopyPath(const GameState& game, const QString& folder);

/// Writes the recovery copy when the orders changed since it was last written.
CopyWrite KeepRecoveryCopy(GameState& game, const QString& folder);

/// Removes the recovery copy (its orders were saved or thrown away); it is
/// written again at the next change.
void DropRecoveryCopy(GameState& game, const QString& folder);

/// The orders of the recovery copy when they are worth offering: readable for
/// this turn, different from the orders loaded and from the working copy in
/// ReportDir, and written over that very working copy (or over none, when
/// there is none), so that no Save came after them.
std::optional<QByteArray> RecoveryToOffer(const GameState& game, const QString& folder);

/// Save: both order files (after a refused working copy is kept aside), then
/// the orders count as kept and the recovery copy goes. Answers whether the
/// files were written.
bool SaveTurn(Session& session);

/// Replaces every order by those of the recovery copy and refreshes the grid
/// and totals; the orders then count as changed (they are not saved yet).
/// False changes nothing.
bool RestoreRecoveryCopy(Session& session, const QByteArray& content);

}  // namespace qm
