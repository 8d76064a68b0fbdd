#pragma once
// The main window: the menus, the area grid, and the windows beside it. It
// shows the turn and forwards the menu commands to it; what a command does
// and when it may be used is the turn's to decide.

#include "state/WindowPort.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QTableView;
class QTableWidget;

namespace qm {

struct Session;
class Turn;
class AreaGridModel;
class ModelessWindows;
class frmMap;
class frmSummary;
class frmEditHex;
class frmCheckTurn;
class frmMergeLog;
class frmGrantAccess;
class frmSpy;
class frmVictoryConditions;
class frmYourAreas;

class frmWinQM : public QMainWindow {
    Q_OBJECT
public:
    frmWinQM(Session& session, Turn& turn);
    ~frmWinQM() override;

    /// Start-up after the window is created: placement, settings, program
    /// directory, showing the window, the report named on the command line,
    /// the summary window.
    void Startup(const QString& programDir, const QString& commandLine);

    /// The Area Data menu, off for players; the map's author switches it on.
    void EnableAreaData(bool enabled = true);
    /// The hex editor, modal, on cell (column, row); column 0 shows it as it stands.
    void EditHex(int column, int row);
    /// Makes the row of `area` the grid's top row (never a row after kLastTopRow).
    void ScrollGridToArea(int area);
    /// Selects the area in the grid and centres it on the map.
    void ShowArea(int area);

    // Called through the window port.
    void EnableMenu(MenuCommand command, bool enabled);
    void ShowRecentReports(const std::vector<QString>& reports);
    void SetGridRows(GridId grid, int rows);
    void SetGridCell(GridId grid, int row, int column, const QString& text);
    void MapViewChanged();
    SupportAnswer AskSupportedPlayer();
    /// A list of the players' names to pick one from.
    std::optional<std::int16_t> AskPlayer(const QString& text,
                                          const std::vector<std::int16_t>& players);
    void TurnChanged(TurnChange change);
    ModelessWindows& windows() { return *windows_; }

    AreaGridModel& areaGrid() { return *areaModel_; }
    QTableView* grdArea() const { return grdArea_; }
    QTableWidget* grdAreaTitle() const { return grdAreaTitle_; }
    frmMap* mapWindow() const { return map_.get(); }
    frmSummary* summaryWindow() const { return summary_.get(); }
    frmYourAreas* yourAreasWindow() const;
    frmCheckTurn* checkTurnWindow() const;
    frmMergeLog* mergeLogWindow() const;
    frmGrantAccess* grantAccessWindow() const;
    frmSpy* spyWindow() const;
    frmVictoryConditions* victoryConditionsWindow() const;
    /// A menu command by its name (mnuOpen, mnuSave, ...).
    QAction* menuAction(const QString& name) const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void ShowOtherWindows(bool shown);
    void SyncHexMark();
    void KeepRecoveryCopyNow();

    void OnOpen();
    void OnMerge();
    void OnAllyOrders();
    void OnSave();
    void OnExportMap();
    void OnImportTurns();
    void OnTurnHistory();
    void OnEarlierTurn();
    void OnLaterTurn();
    void OnChanges();
    void OnLastSeen();
    void OnShowAllyOrders();
    void OnExit();
    void OnUndo();
    void OnRedo();
    void OnCheckTurn();
    void OnANW();
    void OnCallToArms();
    void OnGrantAccess();
    void OnSpy();
    void OnVictoryConditions();
    void OnEditHex();
    void OnSaveHexData();
    void OnRelations();
    void OnYourAreas();
    void OnMergeLog();
    void OnMapColors();
    void OnHex();
    void OnZoom();
    void OnTypeofUnitDisplay();
    void OnMapLegend();
    void OnAbout();
    /// The map window's space for its view; empty without a map window.
    QSize MapViewRoom() const;

    Session& session_;
    Turn& turn_;
    AreaGridModel* areaModel_ = nullptr;
    QTableView* grdArea_ = nullptr;
    QTableWidget* grdAreaTitle_ = nullptr;
    std::unique_ptr<frmSummary> summary_;
    std::unique_ptr<frmMap> map_;
    std::unique_ptr<frmEditHex> editHex_;  // kept: it holds the last cell edited
    std::unique_ptr<ModelessWindows> windows_;
    bool SummaryShown = false;
    bool leaving_ = false;          // the orders question was answered for this close
    bool recoveryPending_ = false;  // a recovery check is queued
};

}  // namespace qm
