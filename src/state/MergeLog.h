#pragma once
// What the merges of other reports brought into the loaded turn: the report
// each filled-in area came from, and every value a merged report saw
// otherwise than the loaded one (whose value stays). Kept with the turn, so
// opening a report starts a new log.

#include "state/Limits.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

struct MergeDifference {
    enum class Field : std::uint8_t { Owner, UnitOwner, UnitType };
    std::int16_t area = 0;
    Field field = Field::Owner;
    std::int16_t kept = 0;  // the value shown
    std::int16_t seen = 0;  // the merged report's
    bool operator==(const MergeDifference&) const = default;
};

struct MergedReport {
    QString name;
    int filled = 0;  // unseen areas it filled in
    std::vector<MergeDifference> differences;
    QString folder;  // where it was read, ending in a separator; empty when not from a file
};

struct MergeLog {
    std::vector<MergedReport> reports;  // in the order merged
    /// 0 where the owner and unit are the loaded report's, else 1 + the index
    /// of the merged report they came from.
    std::array<int, kAreaSlots> filledBy{};
};

/// How the log names merged report `index`: its file name, followed by its
/// folder in brackets when another merged report of that name came from elsewhere.
QString MergedReportName(const MergeLog& log, std::size_t index);

/// The name of the report an area's owner and unit came from; empty when they
/// are the loaded report's own.
QString FilledByReport(const MergeLog& log, int area);

/// The merged reports that saw the area otherwise than it is shown.
QStringList ReportsDisagreeingOn(const MergeLog& log, int area);

/// One entry of the merge log window; area 0 for a report's heading.
struct MergeLogLine {
    QString text;
    int area = 0;
};

/// "plyrdata.3: 22 areas filled in, 3 values seen otherwise", followed by one
/// line per value: "  129 Ardmoor: owner neutral; plyrdata.3 says Corvath".
std::vector<MergeLogLine> MergeLogLines(const GameState& game);

}  // namespace qm
