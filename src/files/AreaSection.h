#pragma once
// The area section of a player report, read alike for the report itself and
// for a report merged into it: the area count, then one line per area seen.

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

class ItemReader;

/// The item before the area count.
inline constexpr char16_t kAreasLabel[] = u"Number of Areas =";

/// The message for a section of more areas than the map has.
inline constexpr char16_t kTooManyAreas[] = u"Area array too small info KVO";

/// One line of the area section.
struct AreaLine {
    std::int16_t area = 0;
    std::int16_t owner = 0;
    std::int16_t unitOwner = 0;
    std::int16_t unitType = 0;
    bool operator==(const AreaLine&) const = default;
};

/// The area section, checked whole before anything is taken from it.
struct AreaSection {
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
    std::vector<AreaLine> records;
};

/// Reads the count and the area lines that follow the label, checking every
/// value against the tables; on a problem the records are empty.
AreaSection ReadAreaSection(ItemReader& in);

}  // namespace qm
