#include "files/SaveOrders.h"

#include "files/OrdersFiles.h"
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

    /// Puts back what was there before Place(); false when the old file stays
    /// beside it (keptAs()) instead.
    bool Undo() {
        if (!hadOld_) return QFile::remove(file_.target());
        if (!ReplaceFile(backup_, file_.target())) {
            keptAs_ = backup_;
            backup_.clear();  // the player's old orders: never removed
            return false;
        }
        backup_.clear();
        return true;
    }

    const QString& keptAs() const { return keptAs_; }

private:
    PendingFile& file_;
    bool hadOld_ = false;
    QString backup_;
    QString keptAs_;
};

}  // namespace

bool SaveOrders(const GameState& game, WindowPort& port,
                const std::function<void()>& beforePutBack) {
    const QString& directory = game.ReportDir;
    // An existing file of another case is replaced rather than joined by a
    // second one, which the reader might pick instead.
    PendingFile commands(CommandsFilePath(directory));
    PendingFile workingCopy(WorkingCopyPath(directory));
    // Both are complete on the disk before either is put in place, so a full
    // disk shows before anything changes.
    if (!commands.Write(CommandsFileText(game))) {
        ReportFailure(port, directory + kCommandsFileName);
        return false;
    }
    if (!workingCopy.Write(WorkingCopyText(game))) {
        ReportFailure(port, directory + kWorkingCopyFileName);
        return false;
    }
    PlacedWithBackup placed(commands);
    if (!placed.Place()) {
        ReportFailure(port, commands.target());
        return false;
    }
    if (!workingCopy.Commit()) {
        // The two files always agree: the orders file goes back to the old one.
        if (beforePutBack) beforePutBack();
        if (placed.Undo()) {
            ReportFailure(port, workingCopy.target());
            return false;
        }
        const QString native = QDir::toNativeSeparators(commands.target());
        port.ShowMessage(
            QStringLiteral("Could not write ") + QDir::toNativeSeparators(workingCopy.target()) +
                QStringLiteral(", and the old orders file could not be put back: ") + native +
                QStringLiteral(" holds the new orders") +
                (placed.keptAs().isEmpty() ? QString()
                                           : QStringLiteral(", the old one is kept as ") +
                                                 QDir::toNativeSeparators(placed.keptAs())) +
                QStringLiteral(". Save again before mailing it"),
            MessageIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace qm
