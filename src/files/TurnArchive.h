#pragma once
// The game's history: every report the program opens or merges and every
// orders pair it saves, kept per game, player and turn in the user's data
// folder, so that earlier turns can be looked at again.

#include "io/AtomicWrite.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

struct GameState;

/// The turn a report was written for.
struct ReportTurn {
    QString gameCode;
    std::int16_t player = 0;
    std::int16_t year = 0;
    std::int16_t turnOfYear = 0;

    bool operator==(const ReportTurn&) const = default;
};

/// "1882.3", as the title and the players write a turn.
QString TurnLabel(const ReportTurn& turn);
/// The turn of a report's text; nothing when the text is not a usable report.
std::optional<ReportTurn> ReportTurnOf(const QByteArray& report);
/// The turn of the loaded report.
ReportTurn TurnOf(const GameState& game);

/// The archive under the user's data folder (ends in a separator).
QString DefaultArchiveFolder();
/// archive/<game>/<player>/: every kept turn of one player of a game.
QString ArchivedPlayerFolder(const QString& archive, const QString& gameCode, std::int16_t player);
/// archive/<game>/<player>/<year>-<turn>/: everything kept of one player's turn.
QString ArchivedTurnFolder(const QString& archive, const ReportTurn& turn);

/// Keeps the content as folder + name, written then renamed. A copy the same
/// as the one kept is not written again.
CopyWrite KeepInArchive(const QString& folder, const QString& name, const QByteArray& content);

/// Keeps the report just opened from `path` as the loaded turn.
CopyWrite ArchiveOpenedReport(const QString& archive, const GameState& game, const QString& path);
/// Keeps the report just merged from `path` as merged into the loaded turn
/// (merged/plyrdata.N); a report of another game is not kept.
CopyWrite ArchiveMergedReport(const QString& archive, const GameState& game, const QString& path);

/// Keeps the orders pair just saved in the report's folder.
CopyWrite ArchiveOrders(const QString& archive, const GameState& game);

}  // namespace qm
