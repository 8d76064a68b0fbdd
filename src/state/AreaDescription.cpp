#include "state/AreaDescription.h"

#include "state/GameState.h"
#include "state/MergeLog.h"
#include "state/OrderCodes.h"
#include "state/TypeNames.h"

namespace qm {

namespace {

QString OrderText(const GameState& game, const QString& code, int parm1, int parm2) {
    // Orders with a target name it; the others are their code alone.
    if (IsTargetOrder(code) || code == kSupportAttack) {
        QString text = code + QStringLiteral(" to ") + AreaLabel(game, parm1);
        if (code == kSupportAttack && parm2 != 0 && IsPlayerNumber(parm2))
            text += QStringLiteral(" for ") + PlayerText(game, parm2);
        return text;
    }
    return code;
}

}  // namespace

QString AreaLabel(const GameState& game, int area) {
    const QString name = IsAreaNumber(area) ? game.area(area).Name.trimmed() : QString();
    return name.isEmpty() ? QString::number(area) : QString::number(area) + u' ' + name;
}

QString PlayerText(const GameState& game, int player) {
    if (!IsPlayerNumber(player)) return QStringLiteral("player ") + QString::number(player);
    if (player == 0) return QStringLiteral("neutral");
    const PlayerRecord& record = game.player(player);
    QString name = !record.PlayerName.trimmed().isEmpty() ? record.PlayerName.trimmed()
                   : !record.ShortName.trimmed().isEmpty()
                       ? record.ShortName.trimmed()
                       : QStringLiteral("player ") + QString::number(player);
    if (player == game.CurrentPlayer) name += QStringLiteral(" (you)");
    return name;
}

QString ShortPlayerText(const GameState& game, int player) {
    const QString name =
        IsPlayerNumber(player) ? game.player(player).ShortName.trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("player %1").arg(player) : name;
}

QString ShortUnitText(const GameState& game, int owner, int unitType) {
    return ShortPlayerText(game, owner) + u' ' + UnitTypeName(static_cast<std::int16_t>(unitType));
}

QString AreaHoverText(const GameState& game, int area) {
    if (!IsAreaNumber(area)) return {};
    const AreaRecord& record = game.area(area);
    QString text = AreaLabel(game, area) + QStringLiteral(": ") + TerrainName(record.AreaType);
    if (record.Supply > 0) text += QStringLiteral(", supply ") + QString::number(record.Supply);
    if (record.HomeFlag != 0) text += QStringLiteral(", home");
    text += QStringLiteral("; owner ") +
            (record.Owner == kUnseenOwner && game.CurrentPlayer != kUnseenOwner
                 ? QStringLiteral("not seen")
                 : PlayerText(game, record.Owner));
    if (const QString unit = UnitTypeName(record.UnitType); !unit.isEmpty())
        text += QStringLiteral("; ") + unit + QStringLiteral(" of ") +
                PlayerText(game, record.UnitOwner);
    if (const QString from = FilledByReport(game.Merges, area); !from.isEmpty())
        text += QStringLiteral("; owner and unit from ") + from;
    if (const QStringList others = ReportsDisagreeingOn(game.Merges, area); !others.isEmpty())
        text += QStringLiteral("; ") + others.join(QStringLiteral(", ")) +
                QStringLiteral(" saw otherwise (View > Merge Log)");
    if (!record.Command.isEmpty())
        text += QStringLiteral("; order ") +
                OrderText(game, record.Command, record.Parm1, record.Parm2);
    for (const AllyPlan& plan : game.Allies.plans) {
        const AllyOrder& order = plan.orders[static_cast<std::size_t>(area)];
        if (!order.Command.isEmpty())
            text += QStringLiteral("; %1's order ").arg(PlayerText(game, plan.player)) +
                    OrderText(game, order.Command, order.Parm1, order.Parm2);
    }
    return text;
}

}  // namespace qm
