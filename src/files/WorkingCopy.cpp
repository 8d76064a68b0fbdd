#include "files/WorkingCopy.h"

#include "files/OrdersFiles.h"
#include "io/AtomicWrite.h"
#include "io/FileNames.h"
#include "io/ItemReader.h"
#include "orders/CommandList.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <optional>

namespace qm {

namespace {

constexpr int kSpyBlocks = 2;

bool IsArea(std::int16_t value) { return IsAreaNumber(value); }
// 0 stands for "no area" in a target or spy parameter.
bool IsAreaOrNone(std::int16_t value) { return value == 0 || IsAreaNumber(value); }
bool IsPlayer(std::int16_t value) { return IsPlayerNumber(value); }
bool IsAnything(std::int16_t) { return true; }
bool IsGrantArea(std::int16_t value) { return value == -1 || IsAreaNumber(value); }

// Reads one number and checks it; nothing when either fails.
std::optional<std::int16_t> Read(ItemReader& in, bool (*valid)(std::int16_t)) {
    const std::optional<std::int16_t> value = in.Number();
    if (!value || !valid(*value)) return std::nullopt;
    return value;
}

void SetOrder(GameState& game, std::int16_t area, const QString& code, std::int16_t p1,
              std::int16_t p2) {
    AreaRecord& record = game.area(area);
    record.Command = code;
    record.Parm1 = p1;
    record.Parm2 = p2;
}

// Restores the orders into `game`, which the caller keeps only on success.
bool ParseOrders(ItemReader& in, GameState& game) {
    const auto code = in.Text();
    const auto year = in.Number();
    const auto turn = in.Number();
    if (!turn || *code != game.GameCode || *year != game.TurnYear || *turn != game.TurnOfYear)
        return false;

    int spyBlocks = 0;
    for (std::optional<QString> c = in.Text(); c && *c != QLatin1String("END"); c = in.Text()) {
        if (IsUnitOrder(*c)) {
            const auto a = Read(in, IsArea);
            if (!a) return false;
            SetOrder(game, *a, *c, 0, 0);
        } else if (IsTargetOrder(*c)) {
            const auto a = Read(in, IsArea);
            const auto b = Read(in, IsAreaOrNone);
            if (!a || !b) return false;
            SetOrder(game, *a, *c, *b, 0);
        } else if (*c == kSupportAttack) {
            const auto a = Read(in, IsArea);
            const auto b = Read(in, IsAreaOrNone);
            const auto d = Read(in, IsPlayer);
            if (!a || !b || !d) return false;
            SetOrder(game, *a, *c, *b, *d);
        } else if (IsDeclaration(*c)) {
            const auto a = Read(in, IsPlayer);
            if (!a || !PlaceCommand(game, *c, *a, 0, 0, 0)) return false;
        } else if (IsPairOrder(*c)) {
            const bool vc = *c == kVictoryConditions;
            const auto a = Read(in, vc ? IsAnything : IsPlayer);
            const auto b = Read(in, vc ? IsAnything : *c == kCallToArms ? IsPlayer : IsGrantArea);
            if (!a || !b || !PlaceCommand(game, *c, *a, *b, 0, 0)) return false;
        } else if (*c == kSpy) {
            std::int16_t p[4];
            for (std::int16_t& value : p) {
                const auto spied = Read(in, IsAreaOrNone);
                if (!spied) return false;
                value = *spied;
            }
            // Only two spy slots exist; a working copy with more is read past.
            if (++spyBlocks <= kSpyBlocks) {
                CommandRecord& slot = game.CommandList[static_cast<std::size_t>(spyBlocks)];
                slot.Code = *c;
                slot.P = {0, p[0], p[1], p[2], p[3]};
            }
        }
        // Any other item is passed over.
    }
    // Only the "END" line ends a working copy; the end of the data does not.
    return in.error() == ItemReader::Error::None;
}

}  // namespace

bool RestoreOrders(GameState& game, const QByteArray& data) {
    ItemReader in(data);
    GameState restored = game;
    if (!ParseOrders(in, restored)) return false;
    game = std::move(restored);
    return true;
}

namespace {

// The next Save replaces a refused working copy; the orders in it may still be
// worth something to the player, so it goes aside first.
enum class Aside { NotRefused, Kept, Failed };

Aside KeepRefusedAside(const GameState& game, const QString& path) {
    if (!QFileInfo(path).isFile()) return Aside::NotRefused;
    const std::optional<QByteArray> data = ReadWholeFile(path);
    GameState scratch = game;
    if (data && RestoreOrders(scratch, *data)) return Aside::NotRefused;
    const QString aside = path + kRefusedSuffix;
    if (data) {
        if (ReadWholeFile(aside) == data) return Aside::Kept;
        return WriteFileAtomically(aside, *data) ? Aside::Kept : Aside::Failed;
    }
    QFile::remove(aside);
    return QFile::copy(path, aside) ? Aside::Kept : Aside::Failed;
}

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

bool ReadWorkingCopy(GameState& game, WindowPort& port, const QString& directory) {
    if (const auto owner = AnotherPlayersOrders(directory, game.GameCode, game.PlayerIdent)) {
        port.ShowMessage(QString::fromUtf16(kNoOldOrders), MessageIcon::None);
        port.ShowMessage(QStringLiteral("The orders in this folder are another player's (") +
                             *owner + QStringLiteral("); they were not read in"),
                         MessageIcon::Information);
        return false;
    }
    const QString path = WorkingCopyPath(directory);
    const std::optional<QByteArray> data = ReadWholeFile(path);
    if (data && RestoreOrders(game, *data)) return true;
    port.ShowMessage(QString::fromUtf16(kNoOldOrders), MessageIcon::None);
    const QString name = FileName(path);
    switch (KeepRefusedAside(game, path)) {
        case Aside::NotRefused:
            break;
        case Aside::Kept:
            port.ShowMessage(QStringLiteral("The working copy ") + name +
                                 QStringLiteral(" was refused; it is kept as ") + name +
                                 kRefusedSuffix,
                             MessageIcon::Information);
            break;
        case Aside::Failed:
            port.ShowMessage(QStringLiteral("The working copy ") + name +
                                 QStringLiteral(" was refused and could not be kept as ") + name +
                                 kRefusedSuffix +
                                 QStringLiteral("; Save will not replace it until it can be"),
                             MessageIcon::Exclamation);
            break;
    }
    return false;
}

bool KeepRefusedWorkingCopy(const GameState& game, WindowPort& port) {
    const QString path = WorkingCopyPath(game.ReportDir);
    if (KeepRefusedAside(game, path) != Aside::Failed) return true;
    port.ShowMessage(QStringLiteral("The working copy ") + FileName(path) +
                         QStringLiteral(" could not be kept as ") + FileName(path) +
                         kRefusedSuffix + QStringLiteral("; the orders were not saved"),
                     MessageIcon::Stop);
    return false;
}

}  // namespace qm
