#include "state/MergeLog.h"

#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/TypeNames.h"

namespace qm {

namespace {

QString Counted(qsizetype count, const char* one, const char* many) {
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

QString UnitText(std::int16_t unitType) {
    const QString name = UnitTypeName(unitType);
    return name.isEmpty() ? QStringLiteral("none") : name;
}

QString DifferenceText(const GameState& game, const QString& report,
                       const MergeDifference& difference) {
    QString field;
    QString kept;
    QString seen;
    switch (difference.field) {
        case MergeDifference::Field::Owner:
            field = QStringLiteral("owner");
            kept = PlayerText(game, difference.kept);
            seen = PlayerText(game, difference.seen);
            break;
        case MergeDifference::Field::UnitOwner:
            field = QStringLiteral("unit owner");
            kept = PlayerText(game, difference.kept);
            seen = PlayerText(game, difference.seen);
            break;
        case MergeDifference::Field::UnitType:
            field = QStringLiteral("unit");
            kept = UnitText(difference.kept);
            seen = UnitText(difference.seen);
            break;
    }
    return QStringLiteral("  ") + AreaLabel(game, difference.area) + QStringLiteral(": ") + field +
           u' ' + kept + QStringLiteral("; ") + report + QStringLiteral(" says ") + seen;
}

}  // namespace

QString FilledByReport(const MergeLog& log, int area) {
    if (!IsAreaNumber(area)) return {};
    const int source = log.filledBy[static_cast<std::size_t>(area)];
    if (source < 1 || static_cast<std::size_t>(source) > log.reports.size()) return {};
    return log.reports[static_cast<std::size_t>(source - 1)].name;
}

QStringList ReportsDisagreeingOn(const MergeLog& log, int area) {
    QStringList names;
    for (const MergedReport& report : log.reports)
        for (const MergeDifference& difference : report.differences)
            if (difference.area == area && !names.contains(report.name)) names.append(report.name);
    return names;
}

std::vector<MergeLogLine> MergeLogLines(const GameState& game) {
    std::vector<MergeLogLine> lines;
    for (const MergedReport& report : game.Merges.reports) {
        lines.push_back({report.name + QStringLiteral(": ") +
                             Counted(report.filled, "area filled in", "areas filled in") +
                             QStringLiteral(", ") +
                             Counted(static_cast<qsizetype>(report.differences.size()),
                                     "value seen otherwise", "values seen otherwise"),
                         0});
        for (const MergeDifference& difference : report.differences)
            lines.push_back({DifferenceText(game, report.name, difference), difference.area});
    }
    return lines;
}

}  // namespace qm
