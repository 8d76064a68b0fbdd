#pragma once
// The game master's view of one turn: every area's owner and unit, the
// powers with their names and relations, and the turn itself.

#include "state/Limits.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace sample {

struct Power {
    QString ShortName;
    QString PlayerName;
    QString Ident;  // the player's identification, repeated in the orders file
};

struct MasterState {
    QString GameCode;
    int TurnYear = qm::kFirstYear;
    int TurnOfYear = 1;
    int PlayerCount = 0;             // players 0..PlayerCount have records
    std::vector<Power> powers;       // 0..PlayerCount
    std::vector<QString> relations;  // letters toward players 0..PlayerCount
    std::array<int, qm::kAreaSlots> owner{};
    std::array<int, qm::kAreaSlots> unitOwner{};
    std::array<int, qm::kAreaSlots> unitType{};

    void SetRelation(int a, int b, QChar letter) {
        relations[a][b] = letter;
        relations[b][a] = letter;
    }
    void PlaceUnit(int area, int player, int type) {
        unitOwner[area] = player;
        unitType[area] = type;
    }
};

}  // namespace sample
