#pragma once
// Taking reports and saved orders found in folders into the game's history:
// the player's own reports as turns, the other players' reports of the same
// game as merged into that turn, and the player's saved orders pairs.

#include <QString>
#include <QStringList>

namespace qm {

struct GameState;

/// What an import did: files newly kept, files already kept, and the files
/// that were not taken, each with why ("<path>: not a report").
struct ImportReport {
    int kept = 0;
    int known = 0;
    QStringList skipped;
    bool failed = false;  // something could not be written into the archive
};

/// File > Import Turns: every report and orders pair in `folder` and its
/// subfolders, of the loaded game.
ImportReport ImportTurns(const QString& archive, const GameState& loaded, const QString& folder);

/// On open: the player's own reports and orders of earlier turns lying in the
/// report's folder or in the folders beside it (a folder per turn).
ImportReport ImportNearbyTurns(const QString& archive, const GameState& loaded);

/// The status line after an import on open; empty when nothing new was kept.
QString NearbyImportText(const ImportReport& report);
/// The import's report for File > Import Turns.
QString ImportReportText(const ImportReport& report);

}  // namespace qm
