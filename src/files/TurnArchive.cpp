#include "files/TurnArchive.h"

#include "files/OrdersFiles.h"
#include "files/ReportReader.h"
#include "io/FileNames.h"
#include "state/ConsolePort.h"
#include "state/GameState.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <initializer_list>
#include <memory>

namespace qm {

namespace {

// The file the readers took: its name is matched without regard to case there too.
std::optional<QByteArray> ReadReportAt(const QString& path) {
    const SplitPath split = SplitFilePath(path);
    return ReadWholeFile(FindFileNoCase(split.directory, split.name));
}

}  // namespace

std::optional<ReportTurn> ReportTurnOf(const QByteArray& report) {
    // The reader's own checks decide what a report is; its messages are not wanted here.
    auto scratch = std::make_unique<GameState>();
    ConsolePort quiet({}, true);
    if (!TakeReport(*scratch, quiet, report)) return std::nullopt;
    return TurnOf(*scratch);
}

QString TurnLabel(const ReportTurn& turn) {
    return QStringLiteral("%1.%2").arg(turn.year).arg(turn.turnOfYear);
}

ReportTurn TurnOf(const GameState& game) {
    return {game.GameCode, game.CurrentPlayer, game.TurnYear, game.TurnOfYear};
}

QString DefaultArchiveFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/archive/");
}

QString ArchivedPlayerFolder(const QString& archive, const QString& gameCode, std::int16_t player) {
    // Game codes are letters and digits (IsGameCode), so they make plain folder names.
    return archive + QStringLiteral("%1/%2/").arg(gameCode).arg(player);
}

QString ArchivedTurnFolder(const QString& archive, const ReportTurn& turn) {
    return ArchivedPlayerFolder(archive, turn.gameCode, turn.player) +
           QStringLiteral("%1-%2/").arg(turn.year).arg(turn.turnOfYear);
}

CopyWrite KeepInArchive(const QString& folder, const QString& name, const QByteArray& content) {
    const QString path = folder + name;
    if (const auto kept = ReadWholeFile(path); kept && *kept == content)
        return CopyWrite::Unchanged;
    if (!QDir().mkpath(folder) || !WriteFileAtomically(path, content)) return CopyWrite::Failed;
    return CopyWrite::Written;
}

CopyWrite ArchiveOpenedReport(const QString& archive, const GameState& game, const QString& path) {
    const std::optional<QByteArray> data = ReadReportAt(path);
    if (!data) return CopyWrite::Failed;
    return KeepInArchive(ArchivedTurnFolder(archive, TurnOf(game)),
                         QStringLiteral("plyrdata.%1").arg(game.CurrentPlayer), *data);
}

CopyWrite ArchiveMergedReport(const QString& archive, const GameState& game, const QString& path) {
    // The merge reads only the areas, so whose report it was is read here.
    const std::optional<QByteArray> data = ReadReportAt(path);
    const std::optional<ReportTurn> turn = data ? ReportTurnOf(*data) : std::nullopt;
    if (!turn || turn->gameCode != game.GameCode) return CopyWrite::Unchanged;
    return KeepInArchive(ArchivedTurnFolder(archive, TurnOf(game)) + QStringLiteral("merged/"),
                         QStringLiteral("plyrdata.%1").arg(turn->player), *data);
}

CopyWrite ArchiveOrders(const QString& archive, const GameState& game) {
    const QString folder = ArchivedTurnFolder(archive, TurnOf(game));
    CopyWrite result = CopyWrite::Unchanged;
    for (const auto& [path, name] : {std::pair{CommandsFilePath(game.ReportDir), kCommandsFileName},
                                     {WorkingCopyPath(game.ReportDir), kWorkingCopyFileName}}) {
        const std::optional<QByteArray> saved = ReadWholeFile(path);
        result = std::max(result, saved ? KeepInArchive(folder, name, *saved) : CopyWrite::Failed);
    }
    return result;
}

}  // namespace qm
