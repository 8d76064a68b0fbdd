#include "state/RefreshDisplay.h"

#include "state/Session.h"

namespace qm {

namespace {

QString OwnerText(const GameState& game, std::int16_t player) {
    return player == game.CurrentPlayer ? QStringLiteral("****") : game.player(player).ShortName;
}

QString TerrainText(std::int16_t areaType) {
    switch (areaType) {
        case kLand: return QStringLiteral("land");
        case kCoast: return QStringLiteral("coast");
        case kWater: return QStringLiteral("water");
        default: return QStringLiteral("no-entry");
    }
}

QString UnitText(std::int16_t unitType) {
    switch (unitType) {
        case kArmy: return QStringLiteral("army");
        case kCorps: return QStringLiteral("corps");
        case kFleet: return QStringLiteral("fleet");
        case kSquadron: return QStringLiteral("squadron");
        default: return {};
    }
}

}  // namespace

void ShowAreaRow(Session& session, int areaNumber, int row) {
    const GameState& game = session.game;
    const AreaRecord& area = game.area(areaNumber);
    auto cell = [&](int column, const QString& text) {
        session.port.SetGridCell(GridId::Area, row, column, text);
    };
    cell(kColId, QString::number(areaNumber));
    cell(kColName, area.Name);
    if (area.Owner == game.CurrentPlayer || area.Owner != game.PlayerCount)
        cell(kColOwner, OwnerText(game, area.Owner));
    cell(kColType, TerrainText(area.AreaType));
    if (area.Supply > 0) cell(kColSupply, QString::number(area.Supply));
    if (area.UnitOwner == game.CurrentPlayer || area.UnitType > 0)
        cell(kColUnitOwner, OwnerText(game, area.UnitOwner));
    if (const QString unit = UnitText(area.UnitType); !unit.isEmpty()) cell(kColUnitType, unit);
    if (!area.Command.isEmpty()) cell(kColCommand, area.Command);
    if (area.Parm1 != 0) cell(kColParm1, QString::number(area.Parm1));
    if (area.Parm2 != 0) cell(kColParm2, QString::number(area.Parm2));
}

void ShowTotals(Session& session) {
    const Totals& t = session.game.totals;
    const std::int16_t values[] = {t.ArmyCount,     t.CorpsCount,     t.FleetCount, t.SquadronCount,
                                   t.LandAreaCount, t.WaterAreaCount, t.MaxSupply,  t.FreeSupply};
    int row = 0;
    for (std::int16_t value : values)
        session.port.SetGridCell(GridId::Summary, row++, 1, QString::number(value));
}

void RefreshDisplay(Session& session) {
    session.port.SetGridRows(GridId::Area, kLastArea + 1);
    for (int i = 1; i <= kLastArea; ++i) ShowAreaRow(session, i, i);
    session.game.totals = ComputeTotals(session.game);
    ShowTotals(session);
}

}  // namespace qm
