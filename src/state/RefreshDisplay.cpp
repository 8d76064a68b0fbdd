#include "state/RefreshDisplay.h"

#include "state/GameState.h"
#include "state/SummaryRows.h"
#include "state/TypeNames.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

QString OwnerText(const GameState& game, std::int16_t player) {
    return player == game.CurrentPlayer ? QStringLiteral("****") : game.player(player).ShortName;
}

}  // namespace

void ShowAreaRow(const GameState& game, WindowPort& port, int areaNumber, int row) {
    const AreaRecord& area = game.area(areaNumber);
    auto cell = [&](int column, const QString& text) {
        port.SetGridCell(GridId::Area, row, column, text);
    };
    cell(kColId, QString::number(areaNumber));
    cell(kColName, area.Name);
    if (area.Owner == game.CurrentPlayer || area.Owner != game.PlayerCount)
        cell(kColOwner, OwnerText(game, area.Owner));
    cell(kColType, TerrainName(area.AreaType));
    if (area.Supply > 0) cell(kColSupply, QString::number(area.Supply));
    if (area.UnitOwner == game.CurrentPlayer || area.UnitType > 0)
        cell(kColUnitOwner, OwnerText(game, area.UnitOwner));
    if (const QString unit = UnitTypeName(area.UnitType); !unit.isEmpty()) cell(kColUnitType, unit);
    if (!area.Command.isEmpty()) cell(kColCommand, area.Command);
    if (area.Parm1 != 0) cell(kColParm1, QString::number(area.Parm1));
    if (area.Parm2 != 0) cell(kColParm2, QString::number(area.Parm2));
}

void ShowTotals(const GameState& game, WindowPort& port) {
    int row = 0;
    for (const SummaryRow& summary : kSummaryRows)
        port.SetGridCell(GridId::Summary, row++, kSummaryValueColumn,
                         QString::number(game.totals.*summary.value));
}

void RefreshDisplay(GameState& game, WindowPort& port) {
    port.SetGridRows(GridId::Area, kLastArea + 1);
    for (int i = 1; i <= kLastArea; ++i) ShowAreaRow(game, port, i, i);
    game.totals = ComputeTotals(game);
    ShowTotals(game, port);
}

}  // namespace qm
