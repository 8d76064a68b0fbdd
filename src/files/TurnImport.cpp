#include "files/TurnImport.h"

#include "files/ArchivedTurns.h"
#include "files/OrdersFiles.h"
#include "files/WorkingCopy.h"
#include "io/FileNames.h"
#include "state/GameState.h"

#include <QDir>
#include <QDirIterator>

#include <memory>

namespace qm {

namespace {

struct Scope {
    bool othersToo;    // other players' reports, as merged into the turn
    bool earlierOnly;  // only turns before the loaded one
};

class Importer {
public:
    Importer(const QString& archive, const GameState& loaded, Scope scope)
        : archive_(archive), loaded_(loaded), scope_(scope) {}

    void Take(const QString& path) {
        const QString name = QFileInfo(path).fileName().toLower();
        if (name.startsWith(QLatin1String("plyrdata.")))
            TakeReport(path);
        else if (name == kWorkingCopyFileName)
            TakeOrders(path);
    }
    ImportReport report;

private:
    bool Wanted(const ReportTurn& turn) const {
        return !scope_.earlierOnly || EarlierTurn(turn, TurnOf(loaded_));
    }
    void Count(CopyWrite result) {
        report.kept += result == CopyWrite::Written;
        report.known += result == CopyWrite::Unchanged;
        report.failed = report.failed || result == CopyWrite::Failed;
    }
    void Skip(const QString& path, const QString& why) {
        report.skipped << QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
    }
    // The loaded player's folder of the turn.
    QString FolderOf(std::int16_t year, std::int16_t turnOfYear) const {
        return ArchivedTurnFolder(archive_,
                                  {loaded_.GameCode, loaded_.CurrentPlayer, year, turnOfYear});
    }

    void TakeReport(const QString& path) {
        const auto data = ReadWholeFile(path);
        const auto turn = data ? ReportTurnOf(*data) : std::nullopt;
        if (!turn) return Skip(path, QStringLiteral("not a usable report"));
        if (turn->gameCode != loaded_.GameCode)
            return Skip(path, QStringLiteral("a report of game ") + turn->gameCode);
        if (!Wanted(*turn)) return;
        const bool mine = turn->player == loaded_.CurrentPlayer;
        if (!mine && !scope_.othersToo) return;
        const QString name = QStringLiteral("plyrdata.%1").arg(turn->player);
        const QString folder = FolderOf(turn->year, turn->turnOfYear);
        Count(KeepInArchive(mine ? folder : folder + QStringLiteral("merged/"), name, *data));
    }

    // A working copy names its game and turn, its commands.dat the player.
    void TakeOrders(const QString& path) {
        const auto orders = ReadWholeFile(path);
        if (!orders) return Skip(path, QStringLiteral("cannot be read"));
        const auto turn = ReadWorkingCopyHeader(*orders);
        if (!turn) return Skip(path, QStringLiteral("not a usable orders file"));
        if (turn->gameCode != loaded_.GameCode)
            return Skip(path, QStringLiteral("orders of game ") + turn->gameCode);
        if (!Wanted({turn->gameCode, loaded_.CurrentPlayer, turn->year, turn->turnOfYear})) return;
        const QString directory = SplitFilePath(path).directory;
        const auto commands = ReadWholeFile(CommandsFilePath(directory));
        const auto header = commands ? ReadCommandsHeader(*commands) : std::nullopt;
        if (!header) return Skip(path, QStringLiteral("no commands.dat beside it"));
        if (header->ident != loaded_.PlayerIdent.simplified()) return;  // not mine
        auto scratch = std::make_unique<GameState>();
        scratch->GameCode = turn->gameCode;
        scratch->TurnYear = turn->year;
        scratch->TurnOfYear = turn->turnOfYear;
        if (!RestoreOrders(*scratch, *orders))
            return Skip(path, QStringLiteral("not a usable orders file"));
        const QString folder = FolderOf(turn->year, turn->turnOfYear);
        Count(KeepInArchive(folder, kCommandsFileName, *commands));
        Count(KeepInArchive(folder, kWorkingCopyFileName, *orders));
    }

    const QString& archive_;
    const GameState& loaded_;
    Scope scope_;
};

}  // namespace

ImportReport ImportTurns(const QString& archive, const GameState& loaded, const QString& folder) {
    Importer importer(archive, loaded, {true, false});
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) importer.Take(files.next());
    importer.report.skipped.sort();  // the folders' own order is the file system's
    return importer.report;
}

ImportReport ImportNearbyTurns(const QString& archive, const GameState& loaded) {
    Importer importer(archive, loaded, {false, true});
    const QDir own(loaded.ReportDir);
    QStringList folders = {own.absolutePath()};
    if (QDir parent = own; parent.cdUp())
        for (const QFileInfo& beside : parent.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (beside.absoluteFilePath() != own.absolutePath())
                folders << beside.absoluteFilePath();
    // A folder per turn may hold one folder per player's orders.
    for (const QString& folder : folders) {
        QDirIterator files(folder, QDir::Files);
        while (files.hasNext()) importer.Take(files.next());
        for (const QFileInfo& inner :
             QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString orders =
                FindFileNoCase(inner.absoluteFilePath() + '/', kWorkingCopyFileName);
            if (QFile::exists(orders)) importer.Take(orders);
        }
    }
    importer.report.skipped.sort();
    return importer.report;
}

QString NearbyImportText(const ImportReport& report) {
    if (report.kept == 0) return {};
    QString text = QStringLiteral("%1 earlier %2 of this game taken into its history")
                       .arg(report.kept)
                       .arg(report.kept == 1 ? "file" : "files");
    if (!report.skipped.isEmpty())
        text += QStringLiteral("; %1 files beside it were not (File > Import Turns tells why)")
                    .arg(report.skipped.size());
    return text;
}

QString ImportReportText(const ImportReport& report) {
    QString text = QStringLiteral("Files taken into the game's history: %1 new, %2 kept already")
                       .arg(report.kept)
                       .arg(report.known);
    if (!report.skipped.isEmpty())
        text += QStringLiteral("\n\nNot taken:\n") + report.skipped.join(u'\n');
    return text;
}

}  // namespace qm
