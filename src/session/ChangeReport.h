#pragma once
// `zez-qm --changes OLD NEW`: the change list of two reports without windows.

#include <QString>

class QTextStream;

namespace qm {

/// Opens both reports as the program does (each with its saved orders and
/// the map data from programDir, else the installed folder) and writes the
/// change list, a line each, to `out`. 0, or 2 when a report cannot be used
/// (its message on standard error).
int PrintChanges(const QString& oldPath, const QString& newPath, const QString& programDir,
                 QTextStream& out);

}  // namespace qm
