#include "session/AllyOrders.h"

#include "files/AllyOrdersFile.h"
#include "files/OrdersFiles.h"
#include "files/TurnArchive.h"
#include "io/FileNames.h"
#include "map/BoardPicture.h"
#include "session/Session.h"
#include "state/AreaDescription.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

namespace {

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

// Every player of the game but the loaded one, for a file that names nobody.
std::vector<std::int16_t> OtherPlayers(const GameState& game) {
    std::vector<std::int16_t> players;
    for (std::int16_t p = 1; p <= kLastPlayer; ++p)
        if (game.IsGamePlayer(p) && p != game.CurrentPlayer) players.push_back(p);
    return players;
}

QString OrderCount(int count) {
    return count == 1 ? QStringLiteral("1 area order")
                      : QStringLiteral("%1 area orders").arg(count);
}

}  // namespace

bool ShowAllyOrders(Session& session, const QString& path) {
    GameState& game = session.game;
    WindowPort& port = session.port;
    const QString shown = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString& text) {
        port.ShowMessage(text, MessageIcon::Stop);
        return false;
    };
    const std::optional<QByteArray> commands = ReadWholeFile(path);
    if (!commands || !QFileInfo(path).isFile()) return refuse(Text(kAllyUnreadable).arg(shown));
    const std::optional<QByteArray> workingCopy =
        ReadWholeFile(WorkingCopyPath(SplitFilePath(path).directory));
    const AllyOrdersRead read = ParseAllyOrders(*commands, workingCopy);
    if (!read.file) return refuse(Text(kNotAnOrdersFile).arg(shown, read.problem));
    const AllyOrdersFile& file = *read.file;
    if (file.gameCode != game.GameCode.trimmed())
        return refuse(Text(kAllyOtherGame).arg(file.gameCode, game.GameCode.trimmed()));
    const ReportTurn loaded = TurnOf(game);
    if (file.year != 0 && (file.year != game.TurnYear || file.turnOfYear != game.TurnOfYear))
        return refuse(
            Text(kAllyOtherTurn)
                .arg(TurnLabel({file.gameCode, 0, file.year, file.turnOfYear}), TurnLabel(loaded)));
    if (IsOwnIdent(game, file)) return refuse(Text(kOwnOrders));

    std::vector<std::int16_t> candidates = AllyCandidates(game, file);
    std::optional<std::int16_t> ally;
    if (candidates.size() == 1) {
        ally = candidates[0];
    } else {
        if (candidates.empty()) candidates = OtherPlayers(game);
        if (!candidates.empty()) ally = port.AskPlayer(Text(kWhoseOrders), candidates);
    }
    if (!ally) return false;

    AllyPlan plan{*ally, file.ident, file.orders};
    int count = 0;
    for (const AllyOrder& order : plan.orders) count += order.Command.isEmpty() ? 0 : 1;
    ShowAllyPlan(game.Allies, std::move(plan));
    session.map.picture.ShowAllyOrders = true;
    RefreshView(game, session.map, port);
    port.ShowStatus(Text(kAllyOrdersShown).arg(PlayerText(game, *ally), OrderCount(count)));
    return true;
}

}  // namespace qm
