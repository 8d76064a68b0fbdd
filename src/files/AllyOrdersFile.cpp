#include "files/AllyOrdersFile.h"

#include "files/OrdersFiles.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/UnitTypes.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <map>

namespace qm {

namespace {

bool IsBuild(const QString& code) { return BuiltUnitType(code) != kNoUnit; }

std::optional<std::int16_t> Number(const QString& text) {
    bool ok = false;
    const short value = text.toShort(&ok);
    return ok ? std::optional<std::int16_t>(value) : std::nullopt;
}

// How many numbers a line of the code carries: the least and the most.
std::pair<int, int> NumberCount(const QString& code) {
    if (code == kSpy) return {6, 6};
    if (code == kSupportAttack) return {2, 3};
    if (IsArrowOrder(code) || IsPairOrder(code)) return {2, 2};
    return {1, 1};
}

}  // namespace

AllyOrdersRead ParseAllyOrders(const QByteArray& commands,
                               const std::optional<QByteArray>& workingCopy) {
    QList<QByteArray> lines = commands.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    auto fail = [](int line, const QString& what) {
        return AllyOrdersRead{std::nullopt, QStringLiteral("line %1: %2").arg(line).arg(what)};
    };
    const std::optional<CommandsHeader> header = ReadCommandsHeader(commands);
    if (!header) return fail(1, QStringLiteral("it does not begin with KVOSTART"));
    AllyOrdersFile file;
    file.gameCode = header->gameCode;
    file.ident = header->ident;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const QStringList items = QString::fromLatin1(lines[i]).simplified().split(u' ');
        const QString& code = items[0];
        if (code.isEmpty()) continue;
        if (code == QLatin1String("KVOEND")) {
            // The working copy tells the turn when it is of the same game.
            const auto turn = workingCopy ? ReadWorkingCopyHeader(*workingCopy) : std::nullopt;
            if (turn && turn->gameCode == file.gameCode)
                file.year = turn->year, file.turnOfYear = turn->turnOfYear;
            return {std::move(file), {}};
        }
        const bool areaOrder = IsUnitOrder(code) || IsArrowOrder(code);
        if (!areaOrder && !IsDeclaration(code) && !IsPairOrder(code) && code != kSpy)
            return fail(lineNumber, QStringLiteral("\"%1\" is no order").arg(code));
        const auto [least, most] = NumberCount(code);
        const auto count = static_cast<int>(items.size()) - 1;
        if (count < least || count > most)
            return fail(lineNumber, QStringLiteral("%1 wants %2 numbers").arg(code).arg(most));
        std::array<std::int16_t, 6> numbers{};
        for (int k = 0; k < count; ++k) {
            // ALL stands for every area of a grant of access.
            if (code == kGrantAccess && k == 1 && items[2] == QLatin1String("ALL")) continue;
            const auto number = Number(items[k + 1]);
            if (!number)
                return fail(lineNumber, QStringLiteral("\"%1\" is no number").arg(items[k + 1]));
            numbers[static_cast<std::size_t>(k)] = *number;
        }
        if (!areaOrder) continue;
        const std::int16_t area = numbers[0];
        if (!IsAreaNumber(area))
            return fail(lineNumber, QStringLiteral("there is no area %1").arg(area));
        if (IsArrowOrder(code) && !IsAreaNumber(numbers[1]))
            return fail(lineNumber, QStringLiteral("there is no area %1").arg(numbers[1]));
        if (code == kSupportAttack && !IsPlayerNumber(numbers[2]))
            return fail(lineNumber, QStringLiteral("there is no player %1").arg(numbers[2]));
        AllyOrder& order = file.orders[static_cast<std::size_t>(area)];
        if (!order.Command.isEmpty())
            return fail(lineNumber, QStringLiteral("a second order for area %1").arg(area));
        order = {code, numbers[1], numbers[2]};
    }
    return fail(static_cast<int>(lines.size()), QStringLiteral("it does not end in KVOEND"));
}

bool IsOwnIdent(const GameState& game, const AllyOrdersFile& file) {
    return file.ident == game.PlayerIdent.simplified();
}

std::vector<std::int16_t> AllyCandidates(const GameState& game, const AllyOrdersFile& file) {
    std::map<std::int16_t, int> ordered;  // player: units and centres ordered
    for (int i = 1; i <= kLastArea; ++i) {
        const QString& code = file.orders[static_cast<std::size_t>(i)].Command;
        const AreaRecord& area = game.area(i);
        const std::int16_t owner = IsBuild(code)                                 ? area.Owner
                                   : !code.isEmpty() && area.UnitType != kNoUnit ? area.UnitOwner
                                                                                 : 0;
        if (game.IsGamePlayer(owner) && owner != game.CurrentPlayer) ++ordered[owner];
    }
    std::vector<std::pair<int, std::int16_t>> byCount;
    for (const auto& [player, count] : ordered) byCount.emplace_back(-count, player);
    std::sort(byCount.begin(), byCount.end());
    std::vector<std::int16_t> players;
    for (const auto& entry : byCount) players.push_back(entry.second);

    // "Ormanth - player 3 - Ada Quenby": the name before the first dash, or the number.
    std::int16_t named = 0;
    const QString nation = file.ident.section(QStringLiteral(" - "), 0, 0).trimmed();
    static const QRegularExpression number(QStringLiteral("\\bplayer\\s+(\\d+)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (std::int16_t p = 1; p <= kLastPlayer && named == 0; ++p) {
        if (!game.IsGamePlayer(p)) continue;
        const PlayerRecord& player = game.player(p);
        const auto same = [&](const QString& name) {
            return !name.trimmed().isEmpty() &&
                   nation.compare(name.trimmed(), Qt::CaseInsensitive) == 0;
        };
        if (same(player.PlayerName) || same(player.ShortName)) named = p;
    }
    if (const auto match = number.match(file.ident); named == 0 && match.hasMatch()) {
        const int p = match.captured(1).toInt();
        if (game.IsGamePlayer(p)) named = static_cast<std::int16_t>(p);
    }
    if (named != 0 && named != game.CurrentPlayer) {
        // A file whose units agree with its identification is his beyond doubt.
        if (players.size() == 1 && players[0] == named) return players;
        if (players.empty()) return {named};
        if (std::find(players.begin(), players.end(), named) == players.end())
            players.insert(players.begin(), named);
    }
    return players;
}

}  // namespace qm
