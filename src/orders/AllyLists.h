#pragma once
// Who the call to arms and support attack dialogs offer, counting this
// turn's declarations as if they were already in force.

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

struct CallToArmsLists {
    std::vector<std::int16_t> allies;
    std::vector<std::int16_t> enemies;  // never also an ally
};

/// The other players 1..PlayerCount-1: allies (mutual alliance or "DA" this
/// turn), else enemies (at war or "DW" this turn).
CallToArmsLists CallToArmsCandidates(const GameState& game);

/// The allies the support attack dialog lists.
std::vector<std::int16_t> SupportAttackCandidates(const GameState& game);

/// One "CA" order as the call to arms dialog lists it.
struct CallToArmsEntry {
    QString text;        // "CA", the ally's and the enemy's short names, one blank apart
    std::int16_t index;  // its command list slot
};

/// How the dialog lists a call of `ally` to arms against `enemy`: "CA", the
/// two short names, one blank apart.
QString CallToArmsText(const GameState& game, std::int16_t ally, std::int16_t enemy);

/// This turn's "CA" orders in slot order.
std::vector<CallToArmsEntry> CallToArmsOrders(const GameState& game);

}  // namespace qm
