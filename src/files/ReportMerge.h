#pragma once
// Merging a second player report, such as an ally's, into the loaded turn:
// areas the loaded report does not show are filled in, areas both show are
// compared and every disagreement is told, the loaded values winning.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;
class WindowPort;

/// One line of a report's area section.
struct MergeRecord {
    std::int16_t area = 0;
    std::int16_t owner = 0;
    std::int16_t unitOwner = 0;
    std::int16_t unitType = 0;
    bool operator==(const MergeRecord&) const = default;
};

/// The area section of a report, checked whole before anything is merged.
struct MergeAreas {
    enum class Problem {
        None,
        NoLabel,       // no item "Number of Areas =" in the file
        TooManyAreas,  // more than 273 areas
        BadCount,      // the count is not a number or is negative
        BadItem,       // the file ends early, or text or a too large number where a number belongs
        AreaOutOfRange,   // an area number outside 1..273
        OwnerOutOfRange,  // an owner or unit owner outside 0..12
        UnitOutOfRange,   // a unit type outside 0..4
    };
    Problem problem = Problem::None;
    int line = 0;    // where the problem lies, for the message
    QString detail;  // the reader's words for a bad item
    std::vector<MergeRecord> records;
};

/// Reads the area section from a report's bytes: everything before the first
/// item that is exactly "Number of Areas =" is skipped unread.
MergeAreas ParseMergeAreas(const QByteArray& data);

/// Fills the unseen areas (owner 12) from the records and tells, owner first,
/// every field that disagrees with an area the loaded report shows; both go
/// into the turn's merge log under fileName and folder. A record that does not
/// show its area either (owner 12) is not named as the area's source.
void ApplyMergeAreas(GameState& game, WindowPort& port, const std::vector<MergeRecord>& records,
                     const QString& fileName, const QString& folder = {});

/// The message for an unusable file, naming it.
QString MergeProblemText(const MergeAreas& areas, const QString& fileName);

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
