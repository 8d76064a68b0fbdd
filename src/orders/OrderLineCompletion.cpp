#include "orders/OrderLineCompletion.h"

#include "orders/LineWords.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"

#include <QStringList>

namespace qm {

std::vector<QString> OrderLineCompletions(const GameState& game, const QString& line) {
    QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    if (line.isEmpty() || line.endsWith(u' ')) words << QString();
    const QString prefix = FoldedName(words.back());
    const auto starts = [&](const QString& text) {
        return !text.trimmed().isEmpty() && FoldedName(text).startsWith(prefix);
    };
    std::vector<QString> found;
    if (words.size() == 1) {
        for (const char* code : kOrderLineCodes)
            if (starts(QLatin1String(code))) found.emplace_back(QLatin1String(code));
        return found;
    }
    const QString code = OrderLineCode(words.front());
    const auto position = words.size() - 2;  // of the word after the code
    const bool player = IsDeclaration(code) || (code == kGrantAccess && position == 0) ||
                        (code == kCallToArms && position <= 1);
    if (code == kVictoryConditions || code.isEmpty()) return found;
    const auto word = [](const QString& name) {
        return name.trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
    };
    if (player) {
        for (int p = 1; p <= kLastPlayer; ++p) {
            if (!game.IsGamePlayer(p) || p == game.CurrentPlayer) continue;
            for (const QString& name : {game.player(p).ShortName, game.player(p).PlayerName})
                if (starts(name)) found.push_back(word(name));
        }
        return found;
    }
    if (code == kGrantAccess && starts(QStringLiteral("ALL")))
        found.emplace_back(QStringLiteral("ALL"));
    for (int i = 1; i <= kLastArea; ++i)
        if (starts(QString::number(i))) found.push_back(QString::number(i));
    for (int i = 1; i <= kLastArea; ++i)
        if (starts(game.area(i).Name)) found.push_back(word(game.area(i).Name));
    return found;
}

}  // namespace qm
