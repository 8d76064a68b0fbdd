#include "files/ReportMerge.h"

#include "io/FileNames.h"
#include "io/ItemReader.h"
#include "io/NumberText.h"
#include "state/GameState.h"
#include "state/RefreshDisplay.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

constexpr char16_t kAreasLabel[] = u"Number of Areas =";

MergeAreas Fail(MergeAreas::Problem problem, int line, QString detail = {}) {
    MergeAreas failed;
    failed.problem = problem;
    failed.line = line;
    failed.detail = std::move(detail);
    return failed;
}

}  // namespace

MergeAreas ParseMergeAreas(const QByteArray& data) {
    ItemReader in(data);
    for (;;) {
        const std::optional<QString> item = in.Text();
        if (!item) return Fail(MergeAreas::Problem::NoLabel, 0);
        if (*item == QStringView(kAreasLabel)) break;
    }
    const std::optional<std::int16_t> count = in.Number();
    if (!count || *count < 0) return Fail(MergeAreas::Problem::BadCount, in.line());
    if (*count > kLastArea) return Fail(MergeAreas::Problem::TooManyAreas, in.line());

    MergeAreas areas;
    areas.records.reserve(static_cast<std::size_t>(*count));
    for (int k = 1; k <= *count; ++k) {
        MergeRecord record;
        for (std::int16_t* field :
             {&record.area, &record.owner, &record.unitOwner, &record.unitType}) {
            const std::optional<std::int16_t> value = in.Number();
            if (!value) {
                // The end of the file has no line worth naming.
                const bool ended = in.error() == ItemReader::Error::EndOfData;
                return Fail(MergeAreas::Problem::BadItem, ended ? 0 : in.line(),
                            DescribeItemError(in.error()));
            }
            *field = *value;
        }
        if (!IsAreaNumber(record.area)) return Fail(MergeAreas::Problem::AreaOutOfRange, in.line());
        if (!IsPlayerNumber(record.owner) || !IsPlayerNumber(record.unitOwner))
            return Fail(MergeAreas::Problem::OwnerOutOfRange, in.line());
        if (record.unitType < kNoUnit || record.unitType > kSquadron)
            return Fail(MergeAreas::Problem::UnitOutOfRange, in.line());
        areas.records.push_back(record);
    }
    return areas;
}

void ApplyMergeAreas(GameState& game, WindowPort& port, const std::vector<MergeRecord>& records,
                     const QString& fileName, const QString& folder) {
    MergedReport merged{fileName, 0, {}, folder};
    const int source = static_cast<int>(game.Merges.reports.size()) + 1;
    for (const MergeRecord& record : records) {
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
                                const char* before, const char* after) {
            if (kept == seen) return;
            merged.differences.push_back({record.area, field, kept, seen});
            port.ShowMessage(QLatin1String(before) + number + QLatin1String(after),
                             MessageIcon::None);
        };
        differ(MergeDifference::Field::Owner, area.Owner, record.owner, "Owner for area ",
               " does not match previous data");
        differ(MergeDifference::Field::UnitOwner, area.UnitOwner, record.unitOwner,
               "Unit owner in area ", " does not match previous data");
        differ(MergeDifference::Field::UnitType, area.UnitType, record.unitType,
               "Unit type in area ", " does not match previous data");
    }
    game.Merges.reports.push_back(std::move(merged));
}

QString MergeProblemText(const MergeAreas& areas, const QString& fileName) {
    QString problem;
    switch (areas.problem) {
        case MergeAreas::Problem::None:
            return {};
        case MergeAreas::Problem::TooManyAreas:
            return QStringLiteral("Area array too small info KVO");
        case MergeAreas::Problem::NoLabel:
            problem = QStringLiteral("it has no line \"Number of Areas =\"");
            break;
        case MergeAreas::Problem::BadCount:
            problem = QStringLiteral("its number of areas is not a number from 0 to 273");
            break;
        case MergeAreas::Problem::BadItem:
            problem = areas.detail;
            break;
        case MergeAreas::Problem::AreaOutOfRange:
            problem = QStringLiteral("an area number is not from 1 to 273");
            break;
        case MergeAreas::Problem::OwnerOutOfRange:
            problem = QStringLiteral("an owner is not a player from 0 to 12");
            break;
        case MergeAreas::Problem::UnitOutOfRange:
            problem = QStringLiteral("a unit type is not from 0 to 4");
            break;
    }
    if (areas.line > 0) problem += QStringLiteral(" (line %1)").arg(areas.line);
    return QStringLiteral("Nothing was merged from ") + fileName + QStringLiteral(": ") + problem +
           QLatin1Char('.');
}

bool MergeReportData(GameState& game, WindowPort& port, const QByteArray& data,
                     const QString& fileName, const QString& folder) {
    const MergeAreas areas = ParseMergeAreas(data);
    if (areas.problem != MergeAreas::Problem::None) {
        const bool tooMany = areas.problem == MergeAreas::Problem::TooManyAreas;
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
        port.ShowMessage(QStringLiteral("Nothing was merged from ") + fileName +
                             QStringLiteral(": the file cannot be read."),
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
