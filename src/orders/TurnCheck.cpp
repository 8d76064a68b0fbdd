#include "orders/TurnCheck.h"

#include "io/NumberText.h"
#include "orders/AllyCheck.h"
#include "orders/ConvoyChain.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/TurnRules.h"
#include "state/TypeNames.h"
#include "state/UnitTypes.h"

#include <map>
#include <utility>

namespace qm {

namespace {

using Kind = TurnFinding::Kind;

QString UnitName(std::int16_t unitType) {
    const QString name = UnitTypeName(unitType);
    return name.isEmpty() ? QStringLiteral("unit") : name;
}

bool HasListOrder(const GameState& game, QLatin1String code) {
    for (const int i : ListOrderSlots(game))
        if (CommandAt(game, i).Code == code) return true;
    return false;
}

}  // namespace

QString FindingLabel(const GameState& game, std::int16_t area) {
    return QStringLiteral("Area ") + SignPlace(area) + QLatin1Char(' ') + game.area(area).Name +
           QStringLiteral(": ");
}

std::vector<TurnFinding> CheckTurn(const GameState& game) {
    std::vector<TurnFinding> findings;
    std::map<std::int16_t, std::vector<std::int16_t>> movesInto;
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (!IsOwnUnit(area, game.CurrentPlayer)) continue;
        const QString label = FindingLabel(game, i);
        if (AwaitsOrder(game, i)) {
            findings.push_back({Kind::UnitWithoutOrder, i,
                                label + UnitName(area.UnitType) + QStringLiteral(" has no order")});
        } else if (area.Command == kMove) {
            movesInto[area.Parm1].push_back(i);
        } else if (area.Command == kConvoy && area.AreaType != kWater) {
            const ConvoyEnd end = FollowConvoy(game, i, [&](int a) {
                return std::pair(game.area(a).Command, game.area(a).Parm1);
            });
            if (end.landing != 0) {
                movesInto[end.landing].push_back(i);
            } else {
                findings.push_back({Kind::ConvoyBroken, i,
                                    label + QStringLiteral("the convoy breaks off at area ") +
                                        SignPlace(end.breaksAt) +
                                        QStringLiteral(" before it reaches land")});
            }
        } else if (area.Command == kSupportAttack && area.Parm2 < 1) {
            bool moved = false;
            for (std::int16_t j = 1; j <= kLastArea && !moved; ++j) {
                moved = game.area(j).Command == kMove && game.area(j).Parm1 == area.Parm1;
            }
            if (!moved)
                findings.push_back({Kind::SupportedMoveMissing, i,
                                    label + QStringLiteral("supports an attack on area ") +
                                        SignPlace(area.Parm1) +
                                        QStringLiteral(" that no unit is ordered to make")});
        } else if (area.Command == kSupportDefend && IsAreaNumber(area.Parm1)) {
            const AreaRecord& held = game.area(area.Parm1);
            const bool built = held.Command.startsWith(QLatin1Char('A'));
            if ((held.UnitType == kNoUnit && !built) || held.Command == kMove)
                findings.push_back({Kind::SupportedUnitMissing, i,
                                    label + QStringLiteral("supports the defence of area ") +
                                        SignPlace(area.Parm1) +
                                        QStringLiteral(", where no unit stays")});
        }
    }
    for (const auto& [target, from] : movesInto) {
        if (from.size() < 2 || !IsAreaNumber(target)) continue;
        QString sources;
        for (std::size_t k = 0; k < from.size(); ++k)
            sources += (k == 0                 ? QString()
                        : k + 1 == from.size() ? QStringLiteral(" and ")
                                               : QStringLiteral(", ")) +
                       SignPlace(from[k]);
        findings.push_back({Kind::TwoUnitsIntoOneArea, target,
                            FindingLabel(game, target) + QStringLiteral("units from areas ") +
                                sources + QStringLiteral(" are ordered into it")});
    }
    for (TurnFinding& finding : CheckAllyOrders(game)) findings.push_back(std::move(finding));
    if (game.totals.FreeSupply < 0)
        findings.push_back(
            {Kind::NegativeSupply, 0,
             QStringLiteral("The free supply is ") + SignPlace(game.totals.FreeSupply)});
    if (IsFirstTurn(game) && !HasListOrder(game, kVictoryConditions))
        findings.push_back({Kind::NoVictoryConditions, 0,
                            QStringLiteral("First turn: no victory conditions are proposed")});
    return findings;
}

}  // namespace qm
