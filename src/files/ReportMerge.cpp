#include "files/ReportMerge.h"

#include "io/FileNames.h"
#include "io/ItemReader.h"
#include "io/NumberText.h"
#include "state/GameState.h"
#include "state/RefreshDisplay.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

// A refused merge, naming the file and why.
QString NothingMerged(const QString& fileName, const QString& reason) {
    return QStringLiteral("Nothing was merged from ") + fileName + QStringLiteral(": ") + reason +
           QLatin1Char('.');
}

}  // namespace

AreaSection ParseMergeAreas(const QByteArray& data) {
    ItemReader in(data);
    for (;;) {
        const std::optional<QString> item = in.Text();
        if (!item) {
            AreaSection missing;
            missing.problem = AreaSection::Problem::NoLabel;
            return missing;
        }
        if (*item == QStringView(kAreasLabel)) break;
    }
    return ReadAreaSection(in);
}

void ApplyMergeAreas(GameState& game, WindowPort& port, const std::vector<AreaLine>& records,
                     const QString& fileName, const QString& folder) {
    MergedReport merged{fileName, 0, {}, folder};
    const int source = static_cast<int>(game.Merges.reports.size()) + 1;
    for (const AreaLine& record : records) {
        AreaRecord& area = game.area(record.area);
        if (area.Owner == kUnseenOwner) {
            area.Owner = record.owner;
            area.UnitOwner = record.unitOwner;
            area.UnitType = record.unitType;
            // A report that does not show the area either has shown nothing of it.
            if (record.owner != kUnseenOwner) {
                game.Merges.filledBy[static_cast<std::size_t>(record.area)] = source;
                ++merged.filled;
            }
            continue;
        }
        const QString number = SignPlace(record.area);
        const auto differ = [&](MergeDifference::Field field, std::int16_t kept, std::int16_t seen,
                                const char* what) {
            if (kept == seen) return;
            merged.differences.push_back({record.area, field, kept, seen});
            port.ShowMessage(
                QLatin1String(what) + number + QStringLiteral(" does not match previous data"),
                MessageIcon::None);
        };
        differ(MergeDifference::Field::Owner, area.Owner, record.owner, "Owner for area ");
        differ(MergeDifference::Field::UnitOwner, area.UnitOwner, record.unitOwner,
               "Unit owner in area ");
        differ(MergeDifference::Field::UnitType, area.UnitType, record.unitType,
               "Unit type in area ");
    }
    game.Merges.reports.push_back(std::move(merged));
}

QString MergeProblemText(const AreaSection& areas, const QString& fileName) {
    QString problem;
    switch (areas.problem) {
        case AreaSection::Problem::None:
            return {};
        case AreaSection::Problem::TooManyAreas:
            return QString::fromUtf16(kTooManyAreas);
        case AreaSection::Problem::NoLabel:
            problem = QStringLiteral("it has no line \"Number of Areas =\"");
            break;
        case AreaSection::Problem::BadCount:
            problem = QStringLiteral("its number of areas is not a number from 0 to 273");
            break;
        case AreaSection::Problem::BadItem:
            problem = areas.detail;
            break;
        case AreaSection::Problem::AreaOutOfRange:
            problem = QStringLiteral("an area number is not from 1 to 273");
            break;
        case AreaSection::Problem::OwnerOutOfRange:
            problem = QStringLiteral("an owner is not a player from 0 to 12");
            break;
        case AreaSection::Problem::UnitOutOfRange:
            problem = QStringLiteral("a unit type is not from 0 to 4");
            break;
    }
    if (areas.line > 0) problem += QStringLiteral(" (line %1)").arg(areas.line);
    return NothingMerged(fileName, problem);
}

bool MergeReportData(GameState& game, WindowPort& port, const QByteArray& data,
                     const QString& fileName, const QString& folder) {
    const AreaSection areas = ParseMergeAreas(data);
    if (areas.problem != AreaSection::Problem::None) {
        const bool tooMany = areas.problem == AreaSection::Problem::TooManyAreas;
        port.ShowMessage(MergeProblemText(areas, fileName),
                         tooMany ? MessageIcon::None : MessageIcon::Stop);
        return false;
    }
    ApplyMergeAreas(game, port, areas.records, fileName, folder);
    return true;
}

bool MergeReport(GameState& game, WindowPort& port, const QString& directory,
                 const QString& fileName) {
    const std::optional<QByteArray> data = ReadWholeFile(FindFileNoCase(directory, fileName));
    if (!data) {
        port.ShowMessage(NothingMerged(fileName, QStringLiteral("the file cannot be read")),
                         MessageIcon::Stop);
        return false;
    }
    return MergeReportData(game, port, *data, fileName, directory);
}

bool MergeReportFile(GameState& game, WindowPort& port, const QString& fullPath) {
    const SplitPath split = SplitFilePath(fullPath);
    if (!MergeReport(game, port, split.directory, split.name)) return false;
    RefreshDisplay(game, port);
    return true;
}

}  // namespace qm
