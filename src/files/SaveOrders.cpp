#include "files/SaveOrders.h"

#include "files/OrdersText.h"
#include "io/AtomicWrite.h"
#include "io/FileNames.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

namespace {

constexpr QLatin1String kCommandsFile{"commands.dat"};
constexpr QLatin1String kWorkingCopyFile{"orders.tmp"};

void ReportFailure(WindowPort& port, const QString& path) {
    port.ShowMessage(QStringLiteral("Could not write ") + QDir::toNativeSeparators(path) +
                         QStringLiteral("; the orders were not saved"),
                     MessageIcon::Stop);
}

// Puts the orders file in place, keeping a copy of the old one until the
// working copy has followed it.
class PlacedWithBackup {
public:
    explicit PlacedWithBackup(PendingFile& file) : file_(file) {}
    ~PlacedWithBackup() {
        if (!backup_.isEmpty()) QFile::remove(backup_);
    }

    bool Place() {
        const QString& target = file_.target();
        hadOld_ = QFileInfo(target).isFile();
        if (hadOld_) {
            // A copy, so that the old file stays in its place until the rename.
            backup_ = target + QStringLiteral(".old");
            QFile::remove(backup_);
            if (!QFile::copy(target, backup_)) {
                backup_.clear();
                return false;
            }
        }
        return file_.Commit();
    }

    /// Puts back what was there before Place().
    void Undo() {
        if (!hadOld_) {
            QFile::remove(file_.target());
        } else if (ReplaceFile(backup_, file_.target())) {
            backup_.clear();
        }
    }

private:
    PendingFile& file_;
    bool hadOld_ = false;
    QString backup_;
};

}  // namespace

bool SaveOrders(const GameState& game, WindowPort& port) {
    const QString& directory = game.ReportDir;
    // An existing file of another case is replaced rather than joined by a
    // second one, which the reader might pick instead.
    PendingFile commands(FindNewestNoCase(directory, kCommandsFile));
    PendingFile workingCopy(FindNewestNoCase(directory, kWorkingCopyFile));
    // Both are complete on the disk before either is put in place, so a full
    // disk shows before anything changes.
    if (!commands.Write(CommandsFileText(game))) {
        ReportFailure(port, directory + kCommandsFile);
        return false;
    }
    if (!workingCopy.Write(WorkingCopyText(game))) {
        ReportFailure(port, directory + kWorkingCopyFile);
        return false;
    }
    PlacedWithBackup placed(commands);
    if (!placed.Place()) {
        ReportFailure(port, commands.target());
        return false;
    }
    if (!workingCopy.Commit()) {
        // The two files always agree: the orders file goes back to the old one.
        placed.Undo();
        ReportFailure(port, workingCopy.target());
        return false;
    }
    return true;
}

}  // namespace qm
