#include "session/Recovery.h"

#include "files/OrdersText.h"
#include "files/SaveOrders.h"
#include "files/WorkingCopy.h"
#include "io/AtomicWrite.h"
#include "io/FileNames.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"

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

bool KeepRecoveryCopy(GameState& game, const QString& folder) {
    if (game.Revision.recovered == game.Revision.current) return false;
    const QString path = RecoveryCopyPath(game, folder);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    if (!WriteFileAtomically(path, WorkingCopyText(game))) return false;
    game.Revision.recovered = game.Revision.current;
    return true;
}

void DropRecoveryCopy(GameState& game, const QString& folder) {
    const QString path = RecoveryCopyPath(game, folder);
    if (!path.isEmpty()) QFile::remove(path);
    game.Revision.recovered = game.Revision.current;
}

std::optional<QByteArray> RecoveryToOffer(const GameState& game, const QString& folder) {
    const QString path = RecoveryCopyPath(game, folder);
    if (path.isEmpty()) return std::nullopt;
    const std::optional<QByteArray> recovery = ReadWholeFile(path);
    if (!recovery || *recovery == WorkingCopyText(game)) return std::nullopt;
    GameState check = game;
    if (!RestoreOrders(check, *recovery)) return std::nullopt;

    const QString saved = FindNewestNoCase(game.ReportDir, QStringLiteral("orders.tmp"));
    const QFileInfo savedInfo(saved);
    if (savedInfo.isFile()) {
        if (savedInfo.lastModified() >= QFileInfo(path).lastModified()) return std::nullopt;
        if (ReadWholeFile(saved) == recovery) return std::nullopt;
    }
    return recovery;
}

bool SaveTurn(Session& session) {
    if (!SaveOrders(session.game, session.port)) return false;
    MarkOrdersKept(session.game);
    DropRecoveryCopy(session.game, session.recoveryFolder);
    return true;
}

bool RestoreRecoveryCopy(Session& session, const QByteArray& content) {
    GameState restored = session.game;
    for (AreaRecord& area : restored.AreaTable) {
        area.Command.clear();
        area.Parm1 = 0;
        area.Parm2 = 0;
    }
    restored.CommandList = {};
    restored.CommandCount = 2;
    if (!RestoreOrders(restored, content)) return false;
    restored.Revision = session.game.Revision;
    MarkOrdersChanged(restored);
    session.game = std::move(restored);
    RefreshDisplay(session.game, session.port);
    return true;
}

}  // namespace qm
