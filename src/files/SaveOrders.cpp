#include "files/SaveOrders.h"

#include "files/OrdersText.h"
#include "io/FileNames.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <QDir>
#include <QSaveFile>

#include <memory>

namespace qm {

namespace {

constexpr QLatin1String kCommandsFile{"commands.dat"};
constexpr QLatin1String kWorkingCopyFile{"orders.tmp"};

// An existing file of another case is replaced rather than joined by a
// second one, which the reader might pick instead.
std::unique_ptr<QSaveFile> Prepare(const QString& directory, const QString& name,
                                   const QByteArray& text) {
    auto file = std::make_unique<QSaveFile>(FindFileNoCase(directory, name));
    // Flushed here so that a full disk shows before either file is put in place.
    if (!file->open(QIODevice::WriteOnly) || file->write(text) != text.size() || !file->flush()) {
        file->cancelWriting();
        return nullptr;
    }
    return file;
}

void ReportFailure(WindowPort& port, const QString& path) {
    port.ShowMessage(QStringLiteral("Could not write ") + QDir::toNativeSeparators(path) +
                         QStringLiteral("; the orders were not saved"),
                     MessageIcon::Stop);
}

}  // namespace

bool SaveOrders(const GameState& game, WindowPort& port) {
    const QString& directory = game.ReportDir;
    const QByteArray commands = CommandsFileText(game);
    const QByteArray workingCopy = WorkingCopyText(game);

    auto commandsFile = Prepare(directory, kCommandsFile, commands);
    if (!commandsFile) {
        ReportFailure(port, directory + kCommandsFile);
        return false;
    }
    auto workingCopyFile = Prepare(directory, kWorkingCopyFile, workingCopy);
    if (!workingCopyFile) {
        commandsFile->cancelWriting();
        ReportFailure(port, directory + kWorkingCopyFile);
        return false;
    }
    // Both are complete on disk; only the renames are left.
    if (!commandsFile->commit()) {
        workingCopyFile->cancelWriting();
        ReportFailure(port, commandsFile->fileName());
        return false;
    }
    if (!workingCopyFile->commit()) {
        ReportFailure(port, workingCopyFile->fileName());
        return false;
    }
    return true;
}

}  // namespace qm
