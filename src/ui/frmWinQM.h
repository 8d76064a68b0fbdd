#pragma once
// The main window: start-up, the area grid, the menus and the file commands.
// It owns the summary and map windows and lives for the whole run.

#include "session/RecentReports.h"
#include "state/WindowPort.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QSet>

#include <cstdint>
#include <memory>

class QAction;
class QTableView;
class QTableWidget;

namespace qm {

struct Session;
class AreaGridModel;
class frmMap;
class frmSummary;
class frmYourAreas;
class frmAbout;
class frmEditHex;
class frmMapLegend;
class frmCheckTurn;
class frmMergeLog;
class frmGrantAccess;
class frmSpy;
class frmVictoryConditions;

class frmWinQM : public QMainWindow {
    Q_OBJECT
public:
    explicit frmWinQM(Session& session);
    ~frmWinQM() override;

    /// Start-up after the window is created: placement, settings, program
    /// directory, showing the window, the report named on the command line,
    /// the summary window.
    void Startup(const QString& programDir, const QString& commandLine);

    /// Opens a report as File > Open does; true when it was taken. A report
    /// from the command line leaves Open enabled.
    bool OpenReport(const QString& fullPath, bool fromCommandLine);

    /// The Area Data menu, off for players; the map's author switches it on.
    void EnableAreaData(bool enabled = true);
    /// The hex editor, modal, on cell (column, row); column 0 shows it as it stands.
    void EditHex(int column, int row);
    /// Before orders changed since the last save or restore are left behind:
    /// asks "Save the orders of this turn?" (Save, Discard, Cancel). True when
    /// the caller may go on: the orders were saved, thrown away, or unchanged.
    bool ConfirmLeavingOrders();
    /// Writes the recovery copy if the orders changed since it was last written.
    void KeepRecoveryCopyNow();
    /// Writes the map picture (the whole board or the view) as File > Export Map Picture does.
    bool ExportMap(const QString& path, bool wholeBoard);

    /// The Hex map menu entry's check mark follows the display mode.
    void SyncHexMark();
    /// Makes the row of `area` the grid's top row (never a row after kLastTopRow).
    void ScrollGridToArea(int area);

    // Called through the window port.
    void EnableMenu(MenuCommand command, bool enabled);
    void SetGridRows(GridId grid, int rows);
    void SetGridCell(GridId grid, int row, int column, const QString& text);
    void MapViewChanged();
    SupportAnswer AskSupportedPlayer();

    // Called by the map window when a click fed an open dialog.
    void SpyTargetsChanged();
    void GrantAccessClicked(std::int16_t area);

    AreaGridModel& areaGrid() { return *areaModel_; }
    QTableView* grdArea() const { return grdArea_; }
    QTableWidget* grdAreaTitle() const { return grdAreaTitle_; }
    frmMap* mapWindow() const { return map_.get(); }
    frmSummary* summaryWindow() const { return summary_.get(); }
    frmYourAreas* yourAreasWindow() const;
    frmCheckTurn* checkTurnWindow() const;
    frmMergeLog* mergeLogWindow() const;
    /// Selects the area in the grid and centres it on the map.
    void ShowArea(int area);
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
    void BuildGrids();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                        void (frmWinQM::*handler)() = nullptr);
    void ShowMapWindow();
    void ShowOtherWindows(bool shown);

    void CloseOrderWindows();
    void OnOpen();
    void OnMerge();
    void OnSave();
    void OnExportMap();
    void SyncRecentMenu();
    void OnExit();
    bool OrderWindowsClosed();
    void OnUndo();
    void OnRedo();
    void SyncEditMenu();
    void OnCheckTurn();
    void OnANW();
    void OnCallToArms();
    void OnMapColors();
    void OnEditHex();
    void OnSaveHexData();
    void OnHex();
    void OnZoom();
    void OnTypeofUnitDisplay();
    /// The map window's space for its view; empty without a map window.
    QSize MapViewRoom() const;
    void OnGrantAccess();
    void OnSpy();
    void OnVictoryConditions();
    void OnRelations();
    void OnYourAreas();
    void OnMergeLog();
    void OnMapLegend();
    void OnAbout();
    QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons);

    Session& session_;
    AreaGridModel* areaModel_ = nullptr;
    QTableView* grdArea_ = nullptr;
    QTableWidget* grdAreaTitle_ = nullptr;
    std::unique_ptr<frmSummary> summary_;
    std::unique_ptr<frmMap> map_;
    std::unique_ptr<frmEditHex> editHex_;  // kept: it holds the last cell edited
    QPointer<frmYourAreas> yourAreas_;
    QPointer<frmAbout> about_;
    QPointer<frmMapLegend> legend_;
    QPointer<frmCheckTurn> checkTurn_;
    QPointer<frmMergeLog> mergeLog_;
    QPointer<frmGrantAccess> grantAccess_;
    QPointer<frmSpy> spy_;
    QPointer<frmVictoryConditions> victoryConditions_;
    QSet<QAction*> pending_;  // entries whose windows come with later work
    RecentReports recent_{RecentReports::DefaultPath()};
    bool SummaryShown = false;
    bool leaving_ = false;          // the orders question was answered for this close
    bool recoveryPending_ = false;  // a recovery check is queued
};

}  // namespace qm
