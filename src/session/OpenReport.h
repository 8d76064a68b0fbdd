#pragma once
// Opening a player report: the report, the map data and the grid, in that order.

#include <QString>

namespace qm {

struct Session;

enum class OpenResult {
    Rejected,  // the report was unusable; nothing changed
    NoMap,     // the report was taken but the map data could not be read
    Opened,    // report and map data are loaded and shown in the grid
};

/// Reads the report at fullPath (split into ReportDir and name), then the map
/// data from ProgramDir, then refreshes the grid and the totals. The report
/// replaces the whole game state and the interaction state: nothing of a game
/// loaded before is kept but ProgramDir. The orders restored from the working
/// copy count as unchanged. An unusable report stops the sequence after its
/// message, leaving everything as it was.
OpenResult OpenReportFile(Session& session, const QString& fullPath);

}  // namespace qm
