#include "session/Recovery.h"

#include "files/OrdersFiles.h"
#include "files/OrdersText.h"
#include "files/SaveOrders.h"
#include "files/WorkingCopy.h"
#include "io/AtomicWrite.h"
#include "io/FileNames.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qm {

namespace {

// The game code comes from a report; only its letters and digits reach a file name.
QString Safe(const QString& text) {
    QString safe;
    for (QChar c : text) safe += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar(u'_');
    return safe;
}

// A recovery copy opens with a line naming the working copy it was written
// over, so that "newer than the saved orders" never rests on file times, whose
// grain (a millisecond, two seconds on a memory stick) a Save can fall within.
constexpr char kStampHead[] = "RECOVERY OVER ";

QByteArray Stamp(const std::optional<QByteArray>& saved) {
    if (!saved) return QByteArrayLiteral("none");
    return QCryptographicHash::hash(*saved, QCryptographicHash::Sha256).toHex();
}

struct RecoveryContent {
    QByteArray stamp;  // empty in a copy without the line
    QByteArray orders;
};

RecoveryContent SplitRecovery(const QByteArray& content) {
    if (!content.startsWith(kStampHead)) return {{}, content};
    const qsizetype end = content.indexOf("\r\n");
    if (end < 0) return {{}, content};
    const qsizetype head = qsizetype(sizeof kStampHead) - 1;
    return {content.mid(head, end - head), content.mid(end + 2)};
}

GameState WithoutOrders(const GameState& game) {
    GameState bare = game;
    for (AreaRecord& area : bare.AreaTable) {
        area.Command.clear();
        area.Parm1 = 0;
        area.Parm2 = 0;
    }
    bare.CommandList = {};
    bare.CommandCount = 2;
    return bare;
}

}  // namespace

QString DefaultRecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery/");
}

QString RecoveryCopyPath(const GameState& game, const QString& folder) {
    if (game.GameCode.isEmpty()) return {};
    return folder + QStringLiteral("%1-%2-%3-%4.tmp")
                        .arg(Safe(game.GameCode))
                        .arg(game.CurrentPlayer)
                        .arg(game.TurnYear)
                        .arg(game.TurnOfYear);
}

CopyWrite KeepRecoveryCopy(GameState& game, const QString& folder) {
    if (game.Revision.recovered == game.Revision.current) return CopyWrite::Unchanged;
    const QString path = RecoveryCopyPath(game, folder);
    if (path.isEmpty()) return CopyWrite::Unchanged;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return CopyWrite::Failed;
    const QByteArray content = kStampHead + Stamp(ReadWholeFile(WorkingCopyPath(game.ReportDir))) +
                               "\r\n" + WorkingCopyText(game);
    if (!WriteFileAtomically(path, content)) return CopyWrite::Failed;
    game.Revision.recovered = game.Revision.current;
    return CopyWrite::Written;
}

void DropRecoveryCopy(GameState& game, const QString& folder) {
    const QString path = RecoveryCopyPath(game, folder);
    if (!path.isEmpty()) QFile::remove(path);
    game.Revision.recovered = game.Revision.current;
}

std::optional<QByteArray> RecoveryToOffer(const GameState& game, const QString& folder) {
    const QString path = RecoveryCopyPath(game, folder);
    if (path.isEmpty()) return std::nullopt;
    const std::optional<QByteArray> content = ReadWholeFile(path);
    if (!content) return std::nullopt;
    const RecoveryContent recovery = SplitRecovery(*content);
    if (recovery.orders == WorkingCopyText(game)) return std::nullopt;
    // Checked on a turn without orders, as it would be restored: on top of the
    // loaded orders a full list of orders would overflow the table.
    GameState check = WithoutOrders(game);
    if (!RestoreOrders(check, recovery.orders)) return std::nullopt;

    const QString saved = WorkingCopyPath(game.ReportDir);
    const std::optional<QByteArray> savedText = ReadWholeFile(saved);
    if (savedText == recovery.orders) return std::nullopt;
    if (!recovery.stamp.isEmpty()) {
        // Written over another working copy: a Save came after it.
        if (recovery.stamp != Stamp(savedText)) return std::nullopt;
    } else if (QFileInfo(saved).isFile() &&
               QFileInfo(saved).lastModified() >= QFileInfo(path).lastModified()) {
        // A copy of an earlier version, which wrote no stamp.
        return std::nullopt;
    }
    return recovery.orders;
}

bool SaveTurn(Session& session) {
    if (!KeepRefusedWorkingCopy(session.game, session.port) ||
        !SaveOrders(session.game, session.port))
        return false;
    MarkOrdersKept(session.game);
    DropRecoveryCopy(session.game, session.recoveryFolder);
    return true;
}

bool RestoreRecoveryCopy(Session& session, const QByteArray& content) {
    GameState restored = WithoutOrders(session.game);
    if (!RestoreOrders(restored, content)) return false;
    restored.Revision = session.game.Revision;
    MarkOrdersChanged(restored);
    session.game = std::move(restored);
    RefreshDisplay(session.game, session.port);
    return true;
}

}  // namespace qm
