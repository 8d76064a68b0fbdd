#pragma once
// A player's names and relation letters toward every other player.

#include "state/Limits.h"

#include <QChar>
#include <QString>

#include <array>

namespace qm {

struct PlayerRecord {
    QString PlayerName;
    QString ShortName;
    // Relation[q]: this player's letter toward player q ('A' allied, 'W' at war);
    // a null QChar is an empty relation.
    std::array<QChar, kRelationSlots> Relation{};
};

}  // namespace qm
