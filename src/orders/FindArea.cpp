#include "orders/FindArea.h"

#include "orders/LineWords.h"
#include "state/GameState.h"

namespace qm {

std::int16_t FindArea(const GameState& game, const QString& text) {
    const QString typed = FoldedName(text);
    if (typed.isEmpty()) return 0;
    bool number = false;
    const int leading = typed.section(u' ', 0, 0).toInt(&number);
    if (number) return IsAreaNumber(leading) ? static_cast<std::int16_t>(leading) : 0;
    std::int16_t part = 0;
    int parts = 0;
    for (int i = 1; i <= kLastArea; ++i) {
        const QString name = FoldedName(game.area(i).Name);
        if (name.isEmpty()) continue;
        if (name == typed) return static_cast<std::int16_t>(i);
        if (name.contains(typed)) part = static_cast<std::int16_t>(i), ++parts;
    }
    return parts == 1 ? part : 0;
}

std::vector<QString> AreaChoices(const GameState& game) {
    std::vector<QString> choices;
    for (int i = 1; i <= kLastArea; ++i) {
        const QString name = game.area(i).Name.trimmed();
        choices.push_back(name.isEmpty() ? QString::number(i) : QString::number(i) + u' ' + name);
    }
    return choices;
}

}  // namespace qm
