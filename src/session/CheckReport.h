#pragma once
// `zez-qm --check REPORT`: the turn check and the read-back of commands.dat
// without windows, for players who mail their orders from scripts.

#include <QString>

class QTextStream;

namespace qm {

/// Exit status of the check: no findings, findings, or a report that could not be used.
enum class CheckStatus : int { Clean = 0, Findings = 1, Unusable = 2 };

/// Opens the report with its working copy and the map data (from programDir,
/// else the installed data folder), writes one line per finding of the turn
/// check and per difference between commands.dat and the orders to `out`
/// (a turn never saved gets one line saying so); the program's own messages go
/// to standard error, and for a turn that cannot be checked only the one that says why.
CheckStatus CheckReport(const QString& reportPath, const QString& programDir, QTextStream& out);

}  // namespace qm
