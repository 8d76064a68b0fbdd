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
    // Every cell is written, the empty ones too: the row may still show an
    // earlier report's area.
    auto cell = [&](int column, bool shown, const QString& text) {
        port.SetGridCell(GridId::Area, row, column, shown ? text : QString());
    };
    cell(kColId, true, QString::number(areaNumber));
    cell(kColName, true, area.Name);
    cell(kColOwner, area.Owner == game.CurrentPlayer || area.Owner != game.PlayerCount,
         OwnerText(game, area.Owner));
    cell(kColType, true, TerrainName(area.AreaType));
    cell(kColSupply, area.Supply > 0, QString::number(area.Supply));
    cell(kColUnitOwner, area.UnitOwner == game.CurrentPlayer || area.UnitType > 0,
         OwnerText(game, area.UnitOwner));
    cell(kColUnitType, true, UnitTypeName(area.UnitType));
    cell(kColCommand, true, area.Command);
    cell(kColParm1, area.Parm1 != 0, QString::number(area.Parm1));
    cell(kColParm2, area.Parm2 != 0, QString::number(area.Parm2));
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
