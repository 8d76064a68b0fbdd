#include "files/TurnArchive.h"

#include "files/OrdersFiles.h"
#include "files/ReportReader.h"
#include "io/AtomicWrite.h"
#include "io/FileNames.h"
#include "state/ConsolePort.h"
#include "state/GameState.h"

#include <QDir>
#include <QStandardPaths>

#include <initializer_list>
#include <memory>

namespace qm {

namespace {

ArchiveWrite Worse(ArchiveWrite a, ArchiveWrite b) {
    if (a == ArchiveWrite::Failed || b == ArchiveWrite::Failed) return ArchiveWrite::Failed;
    return a == ArchiveWrite::Written || b == ArchiveWrite::Written ? ArchiveWrite::Written
                                                                    : ArchiveWrite::AlreadyKept;
}

}  // namespace

std::optional<ReportTurn> ReportTurnOf(const QByteArray& report) {
    // The reader's own checks decide what a report is; its messages are not wanted here.
    auto scratch = std::make_unique<GameState>();
    ConsolePort quiet({}, true);
    if (!TakeReport(*scratch, quiet, report)) return std::nullopt;
    return TurnOf(*scratch);
}

ReportTurn TurnOf(const GameState& game) {
    return {game.GameCode, game.CurrentPlayer, game.TurnYear, game.TurnOfYear};
}

QString DefaultArchiveFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/archive/");
}

QString ArchivedTurnFolder(const QString& archive, const ReportTurn& turn) {
    // Game codes are letters and digits (IsGameCode), so they make plain folder names.
    return archive + QStringLiteral("%1/%2/%3-%4/")
                         .arg(turn.gameCode)
                         .arg(turn.player)
                         .arg(turn.year)
                         .arg(turn.turnOfYear);
}

ArchiveWrite KeepInArchive(const QString& folder, const QString& name, const QByteArray& content) {
    const QString path = folder + name;
    if (const auto kept = ReadWholeFile(path); kept && *kept == content)
        return ArchiveWrite::AlreadyKept;
    if (!QDir().mkpath(folder) || !WriteFileAtomically(path, content)) return ArchiveWrite::Failed;
    return ArchiveWrite::Written;
}

ArchiveWrite ArchiveReport(const QString& archive, const GameState& game, const QString& path) {
    const std::optional<QByteArray> data = ReadWholeFile(path);
    const std::optional<ReportTurn> turn = data ? ReportTurnOf(*data) : std::nullopt;
    if (!turn || turn->gameCode != game.GameCode) return ArchiveWrite::AlreadyKept;
    const QString folder = ArchivedTurnFolder(archive, TurnOf(game));
    const QString name = QStringLiteral("plyrdata.%1").arg(turn->player);
    if (*turn == TurnOf(game)) return KeepInArchive(folder, name, *data);
    return KeepInArchive(folder + QStringLiteral("merged/"), name, *data);
}

ArchiveWrite ArchiveOrders(const QString& archive, const GameState& game) {
    const QString folder = ArchivedTurnFolder(archive, TurnOf(game));
    ArchiveWrite result = ArchiveWrite::AlreadyKept;
    for (const auto& [path, name] : {std::pair{CommandsFilePath(game.ReportDir), kCommandsFileName},
                                     {WorkingCopyPath(game.ReportDir), kWorkingCopyFileName}}) {
        const std::optional<QByteArray> saved = ReadWholeFile(path);
        result = Worse(result, saved ? KeepInArchive(folder, name, *saved) : ArchiveWrite::Failed);
    }
    return result;
}

}  // namespace qm
