#pragma once
// Merging a second player report, such as an ally's, into the loaded turn:
// areas the loaded report does not show are filled in, areas both show are
// compared and every disagreement is told, the loaded values winning.

#include "files/AreaSection.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace qm {

struct GameState;
class WindowPort;

/// Reads the area section from a report's bytes: everything before the first
/// item that is exactly "Number of Areas =" is skipped unread.
AreaSection ParseMergeAreas(const QByteArray& data);

/// Fills the unseen areas (owner 12) from the records and tells, owner first,
/// every field that disagrees with an area the loaded report shows; both go
/// into the turn's merge log under fileName and folder. A record that does not
/// show its area either (owner 12) is not named as the area's source.
void ApplyMergeAreas(GameState& game, WindowPort& port, const std::vector<AreaLine>& records,
                     const QString& fileName, const QString& folder = {});

/// The message for an unusable file, naming it.
QString MergeProblemText(const AreaSection& areas, const QString& fileName);

/// Parses the bytes and, when they are usable, merges them; an unusable text
/// gets one message naming fileName and changes nothing. Answers whether it merged.
bool MergeReportData(GameState& game, WindowPort& port, const QByteArray& data,
                     const QString& fileName, const QString& folder = {});

/// Reads directory + fileName (the name matched without regard to case) and
/// merges it as MergeReportData does; a file that cannot be read gets a message.
bool MergeReport(GameState& game, WindowPort& port, const QString& directory,
                 const QString& fileName);

/// The Merge command once its file dialog has answered: merges the file,
/// then refreshes the grid and totals (the window then disables Open). The report folder
/// stays the loaded report's, where the orders belong. Answers whether it merged.
bool MergeReportFile(GameState& game, WindowPort& port, const QString& fullPath);

}  // namespace qm
