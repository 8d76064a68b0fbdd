#include "state/MergeLog.h"

#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/TypeNames.h"

#include <QDir>

#include <algorithm>

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

QString MergedReportName(const MergeLog& log, std::size_t index) {
    if (index >= log.reports.size()) return {};
    const MergedReport& report = log.reports[index];
    // File names are matched without regard to case, so PLYRDATA.3 and
    // plyrdata.3 of two folders need their folders too.
    const bool shared = std::any_of(log.reports.begin(), log.reports.end(), [&](const auto& other) {
        return other.name.compare(report.name, Qt::CaseInsensitive) == 0 &&
               other.folder != report.folder;
    });
    if (!shared) return report.name;
    QString folder = report.folder;
    if (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\'))) folder.chop(1);
    return report.name + QStringLiteral(" (") + QDir::toNativeSeparators(folder) + u')';
}

QString FilledByReport(const MergeLog& log, int area) {
    if (!IsAreaNumber(area)) return {};
    const int source = log.filledBy[static_cast<std::size_t>(area)];
    if (source < 1 || static_cast<std::size_t>(source) > log.reports.size()) return {};
    return MergedReportName(log, static_cast<std::size_t>(source - 1));
}

QStringList ReportsDisagreeingOn(const MergeLog& log, int area) {
    QStringList names;
    for (std::size_t i = 0; i < log.reports.size(); ++i) {
        for (const MergeDifference& difference : log.reports[i].differences) {
            const QString name = MergedReportName(log, i);
            if (difference.area == area && !names.contains(name)) names.append(name);
        }
    }
    return names;
}

std::vector<MergeLogLine> MergeLogLines(const GameState& game) {
    std::vector<MergeLogLine> lines;
    for (std::size_t i = 0; i < game.Merges.reports.size(); ++i) {
        const MergedReport& report = game.Merges.reports[i];
        const QString name = MergedReportName(game.Merges, i);
        lines.push_back({name + QStringLiteral(": ") +
                             Counted(report.filled, "area filled in", "areas filled in") +
                             QStringLiteral(", ") +
                             Counted(static_cast<qsizetype>(report.differences.size()),
                                     "value seen otherwise", "values seen otherwise"),
                         0});
        for (const MergeDifference& difference : report.differences)
            lines.push_back({DifferenceText(game, name, difference), difference.area});
    }
    return lines;
}

}  // namespace qm
