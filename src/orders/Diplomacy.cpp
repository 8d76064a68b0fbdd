#include "orders/Diplomacy.h"

#include "state/GameState.h"

namespace qm {

namespace {

bool Holds(const GameState& game, std::int16_t from, std::int16_t toward, char letter) {
    if (!IsPlayerNumber(from) || !IsPlayerNumber(toward)) return false;
    return game.player(from).Relation[static_cast<std::size_t>(toward)].toUpper() ==
           QLatin1Char(letter);
}

}  // namespace

bool IsMutualAlliance(const GameState& game, std::int16_t a, std::int16_t b) {
    return Holds(game, a, b, 'A') && Holds(game, b, a, 'A');
}

bool IsAtWar(const GameState& game, std::int16_t a, std::int16_t b) {
    return Holds(game, a, b, 'W') || Holds(game, b, a, 'W');
}

QString RelationMark(const GameState& game, std::int16_t i, std::int16_t j) {
    if (i == j) return {};
    if (IsMutualAlliance(game, i, j)) return QStringLiteral("A");
    if (IsAtWar(game, i, j)) return QStringLiteral("W");
    return {};
}

}  // namespace qm
