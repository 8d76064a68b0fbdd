#include "orders/MoveRules.h"

#include "io/NumberText.h"
#include "orders/CommandList.h"
#include "orders/Diplomacy.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

constexpr int kSharedWaterEntries = 10;  // only these take part in the coast-to-coast test
constexpr int kConvoyPasses = 10;

std::int16_t TypeOf(const GameState& game, std::int16_t area) {
    return IsAreaNumber(area) ? game.area(area).AreaType : std::int16_t{0};
}

bool ShareWaterNeighbour(const GameState& game, std::int16_t a, std::int16_t b) {
    const auto& mine = game.area(a).Neighbours;
    const auto& theirs = game.area(b).Neighbours;
    for (int i = 1; i <= kSharedWaterEntries; ++i) {
        if (mine[static_cast<std::size_t>(i)] <= 0) continue;
        for (int j = 1; j <= kSharedWaterEntries; ++j) {
            if (mine[static_cast<std::size_t>(i)] == theirs[static_cast<std::size_t>(j)] &&
                TypeOf(game, mine[static_cast<std::size_t>(i)]) == kWater)
                return true;
        }
    }
    return false;
}

}  // namespace

bool IsAdjacent(const GameState& game, std::int16_t a, std::int16_t b) {
    if (!IsAreaNumber(a)) return false;
    const auto& neighbours = game.area(a).Neighbours;
    for (int i = 1; i < kNeighbourSlots; ++i)
        if (neighbours[static_cast<std::size_t>(i)] == b) return true;
    return false;
}

std::int16_t UnitSize(const GameState& game, std::int16_t a) {
    return IsAreaNumber(a) ? UnitTypeSize(game.area(a).UnitType) : std::int16_t{0};
}

bool IsKnownOwner(const GameState& game, std::int16_t owner) {
    const std::int16_t me = game.CurrentPlayer;
    return owner == me || IsMutualAlliance(game, me, owner) || IsAtWar(game, me, owner) ||
           HasAllyOrder(game, owner) || HasWarOrder(game, owner);
}

bool CheckMove(const GameState& game, WindowPort& port, std::int16_t a, std::int16_t b) {
    bool legal = false;
    if (IsAreaNumber(a) && IsAreaNumber(b)) {
        const std::int16_t unit = game.area(a).UnitType;
        const std::int16_t from = game.area(a).AreaType;
        const std::int16_t to = game.area(b).AreaType;
        if (unit == kArmy || unit == kCorps) {
            legal = to != kWater;
        } else if (to == kLand) {
            legal = false;
        } else if (to == kWater || from == kWater) {
            legal = true;
        } else if (from == kCoast) {
            // A fleet sails from coast to coast only along a shared sea; that
            // route needs no word about the owner of the far coast.
            if (ShareWaterNeighbour(game, a, b)) return true;
        }
    }
    if (!legal) {
        port.ShowMessage(QStringLiteral("Invalid move between ") + SignPlace(a) +
                             QStringLiteral(" and ") + SignPlace(b) + QStringLiteral(" for unit"),
                         MessageIcon::Stop);
        return false;
    }
    const AreaRecord& target = game.area(b);
    if (target.AreaType != kWater && !IsKnownOwner(game, target.Owner)) {
        port.ShowMessage(QString::fromUtf16(kUnknownOwnerWarning) + SignPlace(b),
                         MessageIcon::Exclamation);
    }
    return true;
}

std::int16_t FindConvoyStart(const GameState& game, WindowPort& port, std::int16_t a) {
    std::int16_t current = a;
    for (int pass = 0; pass < kConvoyPasses; ++pass) {
        for (std::int16_t i = 1; i <= kLastArea; ++i) {
            const AreaRecord& area = game.area(i);
            if (area.Command == kConvoy && area.Parm1 == current) {
                current = i;
                if (area.AreaType == kCoast) return UnitSize(game, i);
                break;
            }
        }
    }
    port.ShowMessage(QStringLiteral("Warning, can't find start of convoy"),
                     MessageIcon::Exclamation);
    return 0;
}

}  // namespace qm
