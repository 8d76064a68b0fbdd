#include "files/ArchivedTurns.h"

#include "files/OrdersFiles.h"
#include "files/ReportMerge.h"
#include "files/ReportReader.h"
#include "files/WorkingCopy.h"
#include "io/FileNames.h"
#include "state/ConsolePort.h"
#include "state/GameState.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace qm {

namespace {

QString ReportName(std::int16_t player) { return QStringLiteral("plyrdata.%1").arg(player); }

// The kept reports of a turn: the player's own first, then the merged ones.
std::vector<QByteArray> KeptReports(const QString& folder, std::int16_t player) {
    std::vector<QByteArray> reports;
    if (auto own = ReadWholeFile(folder + ReportName(player))) reports.push_back(*own);
    const QDir merged(folder + QStringLiteral("merged"));
    for (const QString& name : merged.entryList({QStringLiteral("plyrdata.*")}, QDir::Files))
        if (auto data = ReadWholeFile(merged.filePath(name))) reports.push_back(*data);
    return reports;
}

// What the map data give an area, as opposed to what a report says of it.
void TakeMapFields(AreaRecord& to, const AreaRecord& from) {
    to.AreaType = from.AreaType;
    to.Supply = from.Supply;
    to.HomeFlag = from.HomeFlag;
    to.Neighbours = from.Neighbours;
    to.Name = from.Name;
    to.MinCol = from.MinCol;
    to.MaxCol = from.MaxCol;
    to.MinRow = from.MinRow;
    to.MaxRow = from.MaxRow;
}

}  // namespace

bool EarlierTurn(const ReportTurn& a, const ReportTurn& b) {
    return std::pair(a.year, a.turnOfYear) < std::pair(b.year, b.turnOfYear);
}

std::vector<ReportTurn> ArchivedTurns(const QString& archive, const QString& gameCode,
                                      std::int16_t player) {
    static const QRegularExpression kTurnFolder(QStringLiteral("^(\\d{4})-([1-4])$"));
    std::vector<ReportTurn> turns;
    const QDir games(ArchivedPlayerFolder(archive, gameCode, player));
    for (const QString& name : games.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = kTurnFolder.match(name);
        if (!match.hasMatch() || !QFile::exists(games.filePath(name + '/' + ReportName(player))))
            continue;
        turns.push_back({gameCode, player, static_cast<std::int16_t>(match.captured(1).toInt()),
                         static_cast<std::int16_t>(match.captured(2).toInt())});
    }
    std::sort(turns.begin(), turns.end(), EarlierTurn);
    return turns;
}

std::unique_ptr<GameState> LoadArchivedTurn(const QString& archive, const GameState& loaded,
                                            const ReportTurn& turn) {
    const QString folder = ArchivedTurnFolder(archive, turn);
    const std::vector<QByteArray> reports = KeptReports(folder, turn.player);
    auto game = std::make_unique<GameState>();
    ConsolePort quiet({}, true);
    if (reports.empty() || !TakeReport(*game, quiet, reports.front()) || TurnOf(*game) != turn ||
        game->PlayerCount != loaded.PlayerCount)
        return nullptr;
    for (int a = 1; a <= kLastArea; ++a) TakeMapFields(game->area(a), loaded.area(a));
    game->ProgramDir = loaded.ProgramDir;
    game->ReportDir = folder;
    for (std::size_t i = 1; i < reports.size(); ++i)
        MergeReportData(*game, quiet, reports[i], QStringLiteral("plyrdata"));
    if (const auto orders = ReadWholeFile(folder + kWorkingCopyFileName))
        RestoreOrders(*game, *orders);
    return game;
}

LastSeen LastSeenOf(const QString& archive, const GameState& loaded) {
    LastSeen seen{};
    const ReportTurn now = TurnOf(loaded);
    for (const ReportTurn& turn : ArchivedTurns(archive, loaded.GameCode, loaded.CurrentPlayer)) {
        if (EarlierTurn(now, turn)) break;
        // Later turns come later and overwrite.
        for (const QByteArray& report : KeptReports(ArchivedTurnFolder(archive, turn), turn.player))
            for (const AreaLine& line : ParseMergeAreas(report).records) {
                if (line.owner == kUnseenOwner || loaded.area(line.area).Owner != kUnseenOwner)
                    continue;
                seen[static_cast<std::size_t>(line.area)] = {turn.year, turn.turnOfYear, line.owner,
                                                             line.unitOwner, line.unitType};
            }
    }
    return seen;
}

}  // namespace qm
