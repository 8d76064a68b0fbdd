#pragma once
// The turn check: what is still missing or contradictory in the orders before
// they are mailed. A plain function of the game state; windows only list it.

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;

struct TurnFinding {
    enum class Kind {
        UnitWithoutOrder,
        TwoUnitsIntoOneArea,
        SupportedMoveMissing,
        SupportedUnitMissing,
        ConvoyBroken,
        NegativeSupply,
        NoVictoryConditions,
        AllyAttackMissing,       // a support of an ally's attack the ally does not make
        OwnAttackMissing,        // an ally's support of an attack the player does not make
        MovesMeetAlly,           // the player's move and an ally's into one area
        AllyConvoyMissing,       // a convoy for an ally's unit the ally does not send
        AllyDefendsLeavingUnit,  // an ally's support of a unit the player moves away
    };
    Kind kind;
    std::int16_t area = 0;  // the area to show; 0 for the turn as a whole
    QString text;

    bool operator==(const TurnFinding&) const = default;
};

/// Own units without an order, two own units moving into one area (convoy
/// landings count as moves), own-attack supports without the move, defence
/// supports of an area that no unit holds, convoy chains that do not reach a
/// landing area, a negative free supply, and a first turn without a victory
/// conditions proposal; with allies' plans shown, where the player's orders
/// and theirs do not meet. The units' findings in area order, then the areas
/// entered twice, then the allies' findings, then the turn-wide findings.
std::vector<TurnFinding> CheckTurn(const GameState& game);

/// "Area  60 Loromark: ", as every finding about an area begins.
QString FindingLabel(const GameState& game, std::int16_t area);

}  // namespace qm
