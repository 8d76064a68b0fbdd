#include "orders/AllyCheck.h"

#include "io/NumberText.h"
#include "orders/ConvoyChain.h"
#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/TypeNames.h"
#include "state/UnitTypes.h"

#include <array>
#include <map>
#include <utility>

namespace qm {

namespace {

using Kind = TurnFinding::Kind;

// An order as the check knows it: the player's own, or an ally's from his plan.
struct Planned {
    AllyOrder order;
    std::int16_t player = 0;  // 0: no order known
};

using KnownOrders = std::array<Planned, kAreaSlots>;

KnownOrders GatherOrders(const GameState& game) {
    KnownOrders known{};
    for (int i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (!area.Command.isEmpty())
            known[static_cast<std::size_t>(i)] = {{area.Command, area.Parm1, area.Parm2},
                                                  game.CurrentPlayer};
    }
    for (const AllyPlan& plan : game.Allies.plans)
        for (int i = 1; i <= kLastArea; ++i) {
            Planned& slot = known[static_cast<std::size_t>(i)];
            const AllyOrder& order = plan.orders[static_cast<std::size_t>(i)];
            if (slot.player == 0 && !order.Command.isEmpty()) slot = {order, plan.player};
        }
    return known;
}

const Planned& At(const KnownOrders& known, int area) {
    return known[static_cast<std::size_t>(area)];
}

// A move into an area: a move order, or the start of a convoy that lands there.
struct MoveInto {
    int from;
    std::int16_t player;
};

std::map<int, std::vector<MoveInto>> MovesByTarget(const GameState& game,
                                                   const KnownOrders& known) {
    std::map<int, std::vector<MoveInto>> moves;
    for (int i = 1; i <= kLastArea; ++i) {
        const Planned& planned = At(known, i);
        if (planned.order.Command == kMove) {
            moves[planned.order.Parm1].push_back({i, planned.player});
        } else if (planned.order.Command == kConvoy && game.area(i).AreaType != kWater) {
            const ConvoyEnd end = FollowConvoy(game, static_cast<std::int16_t>(i), [&](int a) {
                return std::pair(At(known, a).order.Command, At(known, a).order.Parm1);
            });
            if (const std::int16_t landing = end.landing; landing != 0)
                moves[landing].push_back({i, planned.player});
        }
    }
    return moves;
}

class AllyChecker {
public:
    explicit AllyChecker(const GameState& game)
        : game_(game), known_(GatherOrders(game)), moves_(MovesByTarget(game, known_)) {}

    std::vector<TurnFinding> Run() {
        for (int i = 1; i <= kLastArea; ++i) SupportOfAllysAttack(i);
        for (int i = 1; i <= kLastArea; ++i) AllysSupportOfMine(i);
        for (const auto& [target, into] : moves_) MovesMeet(target, into);
        for (int i = 1; i <= kLastArea; ++i) ConvoyOfAllysUnit(i);
        for (int i = 1; i <= kLastArea; ++i) AllyDefendsLeaving(i);
        return std::move(findings_);
    }

private:
    bool Shown(int player) const {
        if (player == game_.CurrentPlayer) return false;
        for (const AllyPlan& plan : game_.Allies.plans)
            if (plan.player == player) return true;
        return false;
    }

    QString Words(int area) const {
        const Planned& planned = At(known_, area);
        const QString words =
            AreaOrderWords(area, planned.order.Command, planned.order.Parm1, planned.order.Parm2);
        return planned.player == game_.CurrentPlayer
                   ? QStringLiteral("your ") + words
                   : QStringLiteral("%1's %2").arg(Name(planned.player), words);
    }

    QString Name(int player) const {
        return player == game_.CurrentPlayer ? QStringLiteral("you") : PlayerText(game_, player);
    }

    bool MovesInto(int target, int player) const {
        const auto found = moves_.find(target);
        if (found == moves_.end()) return false;
        for (const MoveInto& move : found->second)
            if (move.player == player) return true;
        return false;
    }

    // A unit of `player` beside `target` that is ordered to move elsewhere.
    QString GoesElsewhere(int target, int player) const {
        for (int k = 1; k < kNeighbourSlots; ++k) {
            const std::int16_t beside = game_.area(target).Neighbours[static_cast<std::size_t>(k)];
            if (!IsAreaNumber(beside)) continue;
            const Planned& planned = At(known_, beside);
            if (planned.player == player && planned.order.Command == kMove &&
                planned.order.Parm1 != target)
                return QStringLiteral("; ") + Words(beside) + QStringLiteral(" goes elsewhere");
        }
        return {};
    }

    void Add(Kind kind, int area, const QString& text) {
        findings_.push_back({kind, static_cast<std::int16_t>(area),
                             FindingLabel(game_, static_cast<std::int16_t>(area)) + text});
    }

    void SupportOfAllysAttack(int i) {
        const Planned& planned = At(known_, i);
        const AllyOrder& order = planned.order;
        if (planned.player != game_.CurrentPlayer || order.Command != kSupportAttack ||
            !Shown(order.Parm2) || MovesInto(order.Parm1, order.Parm2))
            return;
        const QString ally = Name(order.Parm2);
        Add(Kind::AllyAttackMissing, i,
            Words(i) +
                QStringLiteral(" supports %1's attack on area %2, which %1 has not ordered")
                    .arg(ally, SignPlace(order.Parm1)) +
                GoesElsewhere(order.Parm1, order.Parm2));
    }

    void AllysSupportOfMine(int i) {
        const Planned& planned = At(known_, i);
        const AllyOrder& order = planned.order;
        if (!Shown(planned.player) || order.Command != kSupportAttack ||
            order.Parm2 != game_.CurrentPlayer || MovesInto(order.Parm1, game_.CurrentPlayer))
            return;
        Add(Kind::OwnAttackMissing, order.Parm1,
            Words(i) + QStringLiteral(" supports your attack on it, which you have not ordered") +
                GoesElsewhere(order.Parm1, game_.CurrentPlayer));
    }

    void MovesMeet(int target, const std::vector<MoveInto>& into) {
        if (!IsAreaNumber(target)) return;
        for (const MoveInto& mine : into) {
            if (mine.player != game_.CurrentPlayer) continue;
            for (const MoveInto& theirs : into)
                if (Shown(theirs.player))
                    Add(Kind::MovesMeetAlly, target,
                        Words(mine.from) + QStringLiteral(" and ") + Words(theirs.from) +
                            QStringLiteral(" both go into it"));
        }
    }

    void ConvoyOfAllysUnit(int w) {
        const AreaRecord& water = game_.area(w);
        const Planned& planned = At(known_, w);
        if (planned.player != game_.CurrentPlayer || planned.order.Command != kConvoy ||
            water.AreaType != kWater)
            return;
        for (int i = 1; i <= kLastArea; ++i)
            if (At(known_, i).order.Command == kConvoy && At(known_, i).order.Parm1 == w) return;
        // Nothing is sent into the convoy: whose unit on the coast was it for?
        for (int k = 1; k < kNeighbourSlots; ++k) {
            const std::int16_t coast = water.Neighbours[static_cast<std::size_t>(k)];
            if (!IsAreaNumber(coast)) continue;
            const AreaRecord& area = game_.area(coast);
            if (area.AreaType != kCoast || (area.UnitType != kArmy && area.UnitType != kCorps) ||
                !Shown(area.UnitOwner))
                continue;
            const Planned& theirs = At(known_, coast);
            const QString ally = Name(area.UnitOwner);
            Add(Kind::AllyConvoyMissing, w,
                Words(w) +
                    QStringLiteral(" would carry %1's %2 from area %3, which %1 does not "
                                   "send into the convoy")
                        .arg(ally, UnitTypeName(area.UnitType), SignPlace(coast)) +
                    (theirs.player == area.UnitOwner
                         ? QStringLiteral("; ") + Words(coast) + QStringLiteral(" instead")
                         : QString()));
            return;
        }
    }

    void AllyDefendsLeaving(int i) {
        const Planned& planned = At(known_, i);
        const int held = planned.order.Parm1;
        if (!Shown(planned.player) || planned.order.Command != kSupportDefend ||
            !IsAreaNumber(held) || !IsOwnUnit(game_.area(held), game_.CurrentPlayer))
            return;
        const QString& mine = game_.area(held).Command;
        const bool leaves =
            mine == kMove || (mine == kConvoy && game_.area(held).AreaType != kWater);
        if (!leaves) return;
        Add(Kind::AllyDefendsLeavingUnit, held,
            Words(i) +
                QStringLiteral(" supports the defence of your %1, which you order away: ")
                    .arg(UnitTypeName(game_.area(held).UnitType)) +
                AreaOrderWords(held, mine, game_.area(held).Parm1, game_.area(held).Parm2));
    }

    const GameState& game_;
    const KnownOrders known_;
    const std::map<int, std::vector<MoveInto>> moves_;
    std::vector<TurnFinding> findings_;
};

}  // namespace

std::vector<TurnFinding> CheckAllyOrders(const GameState& game) {
    if (game.Allies.plans.empty()) return {};
    return AllyChecker(game).Run();
}

}  // namespace qm
