#include "state/AreaDescription.h"

#include "state/GameState.h"

namespace qm {

namespace {

const char* TerrainWord(std::int16_t areaType) {
    switch (areaType) {
        case kLand:
            return "land";
        case kCoast:
            return "coast";
        case kWater:
            return "water";
        default:
            return "no-entry";
    }
}

const char* UnitWord(std::int16_t unitType) {
    switch (unitType) {
        case kArmy:
            return "army";
        case kCorps:
            return "corps";
        case kFleet:
            return "fleet";
        case kSquadron:
            return "squadron";
        default:
            return nullptr;
    }
}

QString AreaName(const GameState& game, int area) {
    const QString name = IsAreaNumber(area) ? game.area(area).Name.trimmed() : QString();
    return name.isEmpty() ? QString::number(area) : QString::number(area) + u' ' + name;
}

QString OrderText(const GameState& game, const AreaRecord& record) {
    const QString& code = record.Command;
    // Orders with a target name it; the others are their code alone.
    if (code == u"MO" || code == u"SA" || code == u"SD" || code == u"CO") {
        QString text = code + QStringLiteral(" to ") + AreaName(game, record.Parm1);
        if (code == u"SA" && record.Parm2 != 0 && IsPlayerNumber(record.Parm2))
            text += QStringLiteral(" for ") + PlayerText(game, record.Parm2);
        return text;
    }
    return code;
}

}  // namespace

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

QString AreaHoverText(const GameState& game, int area) {
    if (!IsAreaNumber(area)) return {};
    const AreaRecord& record = game.area(area);
    QString text =
        AreaName(game, area) + QStringLiteral(": ") + QLatin1String(TerrainWord(record.AreaType));
    if (record.Supply > 0) text += QStringLiteral(", supply ") + QString::number(record.Supply);
    if (record.HomeFlag != 0) text += QStringLiteral(", home");
    text += QStringLiteral("; owner ") +
            (record.Owner == kUnseenOwner && game.CurrentPlayer != kUnseenOwner
                 ? QStringLiteral("not seen")
                 : PlayerText(game, record.Owner));
    if (const char* unit = UnitWord(record.UnitType))
        text += QStringLiteral("; ") + QLatin1String(unit) + QStringLiteral(" of ") +
                PlayerText(game, record.UnitOwner);
    if (!record.Command.isEmpty()) text += QStringLiteral("; order ") + OrderText(game, record);
    return text;
}

}  // namespace qm
