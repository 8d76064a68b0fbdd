#pragma once
// Reads a player report into the game state.

#include <QByteArray>
#include <QString>

namespace qm {

struct GameState;
class WindowPort;

/// True when the text lies, by plain character codes, in one of the game code
/// ranges QM001..QM999, QM2001..QM2999 or QMT001..QMT999.
bool IsGameCode(const QString& item);

/// The main window title for the loaded turn.
QString TurnTitle(const struct GameState& game);

/// Reads directory + fileName (the name matched without regard to case) into
/// the game state, restores the saved orders of the same turn and sets the
/// title. An unusable file is reported to the player and leaves the state
/// exactly as it was; the answer says whether the report was taken.
bool ReadReport(GameState& game, WindowPort& port, const QString& directory,
                const QString& fileName);

/// The report's content taken into the game state as ReadReport does, without
/// the working copy and the title: refused with its message and no change, or
/// taken with CommandCount at 2.
bool TakeReport(GameState& game, WindowPort& port, const QByteArray& data);

}  // namespace qm
