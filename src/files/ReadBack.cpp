#include "files/ReadBack.h"

#include "files/OrdersFiles.h"
#include "io/FileNames.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace qm {

namespace {

QString Items(std::initializer_list<QString> items) { return QStringList(items).join(u' '); }

QString N(int value) { return QString::number(value); }

}  // namespace

std::vector<QString> OrdersInMemory(const GameState& game) {
    std::vector<QString> lines = {QStringLiteral("KVOSTART"), game.GameCode.trimmed(),
                                  game.PlayerIdent.simplified(), QString()};
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (QString words = AreaOrderWords(i, area.Command, area.Parm1, area.Parm2);
            !words.isEmpty())
            lines.push_back(std::move(words));
    }
    const auto& spies1 = game.CommandList[1].P;
    const auto& spies2 = game.CommandList[2].P;
    lines.push_back(Items({kSpy, N(spies1[1]), N(spies1[2]), N(spies1[3]), N(spies1[4]),
                           N(spies2[1]), N(spies2[2])}));
    for (int i = kFirstListSlot; i <= std::min<int>(game.CommandCount, kLastCommandSlot); ++i) {
        const CommandRecord& order = game.CommandList[static_cast<std::size_t>(i)];
        if (order.Code == kDeclareAlliance || order.Code == kDeclareNeutrality ||
            order.Code == kDeclareWar)
            lines.push_back(Items({order.Code, N(order.P[1])}));
        else if (order.Code == kGrantAccess && order.P[2] == -1)
            lines.push_back(Items({order.Code, N(order.P[1]), QStringLiteral("ALL")}));
        else if (order.Code == kGrantAccess || order.Code == kCallToArms ||
                 order.Code == kVictoryConditions)
            lines.push_back(Items({order.Code, N(order.P[1]), N(order.P[2])}));
    }
    lines.push_back(QStringLiteral("KVOEND"));
    return lines;
}

std::optional<std::vector<QString>> OrdersInFile(const QString& path) {
    const std::optional<QByteArray> text = ReadWholeFile(path);
    if (!text) return std::nullopt;
    std::vector<QString> lines;
    const QList<QByteArray> raw = text->split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        // The game master's program wants CR LF; a bare line feed is shown as a difference.
        if (line.endsWith('\r'))
            line.chop(1);
        else if (i + 1 < raw.size())
            line += " (no CR)";
        if (i + 1 == raw.size() && line.isEmpty()) break;
        lines.push_back(QString::fromLatin1(line).simplified());
    }
    return lines;
}

bool CommandsFileExists(const GameState& game) {
    return QFileInfo(CommandsFilePath(game.ReportDir)).isFile();
}

std::vector<OrderMismatch> CompareCommandsFile(const GameState& game) {
    const QString path = CommandsFilePath(game.ReportDir);
    const std::vector<QString> memory = OrdersInMemory(game);
    const std::optional<std::vector<QString>> file = OrdersInFile(path);
    if (!file) return {{QStringLiteral("KVOSTART ... KVOEND"), QString()}};
    std::vector<OrderMismatch> mismatches;
    const std::size_t count = std::max(memory.size(), file->size());
    for (std::size_t i = 0; i < count; ++i) {
        const QString screen = i < memory.size() ? memory[i] : QString();
        const QString written = i < file->size() ? (*file)[i] : QString();
        if (screen != written) mismatches.push_back({screen, written});
    }
    return mismatches;
}

QString MismatchLine(const OrderMismatch& mismatch) {
    auto side = [](const QString& line) {
        return line.isEmpty() ? QStringLiteral("(nothing)") : line;
    };
    return QStringLiteral("screen: ") + side(mismatch.screen) + QStringLiteral("   file: ") +
           side(mismatch.file);
}

QString MismatchText(const std::vector<OrderMismatch>& mismatches) {
    QString text = QStringLiteral("commands.dat does not say what the screen says:");
    for (const OrderMismatch& mismatch : mismatches) text += u'\n' + MismatchLine(mismatch);
    return text;
}

bool VerifySavedOrders(const GameState& game, WindowPort& port) {
    const std::vector<OrderMismatch> mismatches = CompareCommandsFile(game);
    if (mismatches.empty()) return true;
    port.ShowMessage(MismatchText(mismatches), MessageIcon::Stop);
    return false;
}

}  // namespace qm
