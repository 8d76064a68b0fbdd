#pragma once
// The map window's keys: one for each command option, and those that pick
// areas and orders without the mouse. The window acts on them; the legend
// and the option buttons show them from here.

#include "orders/MapClicks.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace qm {

struct GameState;
struct MapState;

struct OptionKey {
    char key;  // the letter or digit typed
    QLatin1String option;
};

/// A letter of the caption where it has one; the builds by their unit's number.
inline constexpr std::array<OptionKey, kMapOptions.size()> kOptionKeys{{
    {'M', kMove},
    {'A', kSupportAttack},
    {'S', kSupportDefend},
    {'O', kConvoy},
    {'D', kDowngrade},
    {'R', kRemove},
    {'1', kBuildArmy},
    {'2', kBuildCorps},
    {'3', kBuildFleet},
    {'4', kBuildSquadron},
    {'U', kUpgrade},
    {'C', kCancelOption},
}};

/// The option's caption with its key marked for underlining ("S&A"); a
/// caption without the key's letter stays as it is.
inline QString OptionCaption(QLatin1String option) {
    QString caption = option;
    for (const OptionKey& key : kOptionKeys) {
        if (key.option != option) continue;
        const qsizetype at = caption.indexOf(QLatin1Char(key.key), 0, Qt::CaseInsensitive);
        if (at >= 0) caption.insert(at, QLatin1Char('&'));
    }
    return caption;
}

/// The option a typed key chooses; nothing for any other key.
inline QLatin1String OptionOfKey(char key) {
    for (const OptionKey& option : kOptionKeys)
        if (option.key == key) return option.option;
    return {};
}

/// An arrow key's step (dx, dy, as the view's x and y) of the target of the
/// order from `source`: from the target so far (0: none yet, the source) to
/// the area beside it that way; where there is none, back to the source.
/// Answers the new target, 0 when it is the source again.
std::int16_t StepTarget(const GameState& game, const MapState& map, std::int16_t source,
                        std::int16_t target, int dx, int dy);

/// Every key of the map window with what it does, as the legend lists them.
inline std::vector<std::pair<QString, QString>> MapKeyList() {
    std::vector<std::pair<QString, QString>> keys;
    QString options;
    for (const OptionKey& key : kOptionKeys)
        options += QStringLiteral("%1 %2, ").arg(QLatin1Char(key.key)).arg(key.option);
    options.chop(2);
    keys.emplace_back(QStringLiteral("option keys"), options);
    keys.emplace_back(QStringLiteral("N, Shift+N"),
                      QStringLiteral("the next (or the previous) unit of yours without an order"));
    keys.emplace_back(QStringLiteral("Enter"),
                      QStringLiteral("the chosen option on the selected area, as a double-click; "
                                     "while a target is wanted, take the target"));
    keys.emplace_back(QStringLiteral("arrow keys"),
                      QStringLiteral("while a target is wanted, step it to the next area that "
                                     "way; else scroll the map"));
    keys.emplace_back(QStringLiteral("Esc"), QStringLiteral("cancel the order being given"));
    keys.emplace_back(QStringLiteral("Ctrl+F"),
                      QStringLiteral("find an area by number or name (txtFind)"));
    keys.emplace_back(QStringLiteral("Ctrl+L"),
                      QStringLiteral("type an order, as in the orders file: MO 60 58, DA Ormanth "
                                     "(Up and Down recall earlier lines)"));
    return keys;
}

}  // namespace qm
