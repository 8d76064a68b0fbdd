#include "ui/frmWinQM.h"

#include "map/CentreOnArea.h"
#include "map/ColourRedraw.h"
#include "map/DisplaySettingsFile.h"
#include "map/ResizeView.h"
#include "map/SaveHexData.h"
#include "session/RecentReports.h"
#include "session/Session.h"
#include "session/Turn.h"
#include "state/AreaDescription.h"
#include "state/GridSelection.h"
#include "state/RefreshDisplay.h"
#include "ui/AreaGridModel.h"
#include "ui/AreaGridView.h"
#include "ui/ModelessWindows.h"
#include "ui/Version.h"
#include "ui/frmANW.h"
#include "ui/frmCallToArms.h"
#include "ui/frmChanges.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmEditHex.h"
#include "ui/frmMap.h"
#include "ui/frmMapLegend.h"
#include "ui/frmMapOptions.h"
#include "ui/frmRelations.h"
#include "ui/frmSummary.h"
#include "ui/frmSupportAttack.h"
#include "ui/frmUnitDisplay.h"
#include "ui/frmZoom.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QScrollBar>
#include <QSessionManager>
#include <QTableView>

#include <algorithm>

namespace qm {

namespace {

constexpr char16_t kReportFilter[] = u"QM Report (plyrdata.*);;All Files (*)";

}  // namespace

frmWinQM::frmWinQM(Session& session, Turn& turn)
    : session_(session),
      turn_(turn),
      windows_(std::make_unique<ModelessWindows>(session, [this](int area) { ShowArea(area); })) {
    setObjectName(QStringLiteral("frmWinQM"));
    setWindowTitle(DesignCaption());
    BuildMenus();
    areaModel_ = new AreaGridModel(this);
    const AreaGridView view = BuildAreaGridView(this, areaModel_);
    grdArea_ = view.grdArea;
    grdAreaTitle_ = view.grdAreaTitle;
    setCentralWidget(view.central);
    resize(minimumSizeHint());
    connect(grdArea_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) GridRowCurrent(session_.interaction, current.row() + 1);
            });
    connect(grdArea_, &QTableView::entered, this, [this](const QModelIndex& index) {
        if (map_ && index.isValid()) map_->ShowOrderState(index.row() + 1);
    });
    connect(grdArea_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) GridRowDoubleClicked(session_.interaction, index.row() + 1);
    });
    summary_ = std::make_unique<frmSummary>();

    // Every change of the orders comes from the player's mouse or keys; after
    // each such event the recovery copy is brought up to date.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!manager.allowsInteraction()) {
            KeepRecoveryCopyNow();
            return;
        }
        if (!turn_.Leave()) manager.cancel();
        manager.release();
    });
}

frmWinQM::~frmWinQM() = default;

frmYourAreas* frmWinQM::yourAreasWindow() const { return windows_->yourAreas(); }
frmGrantAccess* frmWinQM::grantAccessWindow() const { return windows_->grantAccess(); }
frmSpy* frmWinQM::spyWindow() const { return windows_->spy(); }
frmVictoryConditions* frmWinQM::victoryConditionsWindow() const {
    return windows_->victoryConditions();
}
frmCheckTurn* frmWinQM::checkTurnWindow() const { return windows_->checkTurn(); }
frmMergeLog* frmWinQM::mergeLogWindow() const { return windows_->mergeLog(); }

void frmWinQM::Startup(const QString& programDir, const QString& commandLine) {
    move(0, 0);
    session_.interaction.SelectedArea = 0;
    session_.map.picture.UnitDisplay = 0;
    LoadDisplaySettings(session_.map.display, DefaultSettingsPath());
    SyncHexMark();
    QString dir = programDir;
    if (!dir.endsWith(u'/')) dir += u'/';
    session_.game.ProgramDir = dir;

    // Shown before the report is read, so that the map window can be placed below it.
    show();
    const QString path = commandLine.trimmed();
    if (!path.isEmpty()) turn_.Open(path, OpenedFrom::CommandLine);

    summary_->PlaceBeside(*this);
    summary_->show();
    SummaryShown = true;
}

void frmWinQM::TurnChanged(TurnChange change) {
    windows_->TurnChanged();
    if (change == TurnChange::OpenedWithoutMap) return;
    if (!map_) {
        map_ = std::make_unique<frmMap>(session_, *this);
        connect(map_.get(), &frmMap::HexDisplayChanged, this, &frmWinQM::SyncHexMark);
        connect(map_.get(), &frmMap::GridScrollAsked, this, &frmWinQM::ScrollGridToArea);
        connect(map_.get(), &frmMap::AreaChosen, this, &frmWinQM::ShowArea);
        connect(map_.get(), &frmMap::SpyTargetsChanged, this,
                [this] { windows_->SpyTargetsChanged(); });
        connect(map_.get(), &frmMap::GrantAccessClicked, this, [this](int area) {
            windows_->GrantAccessClicked(static_cast<std::int16_t>(area));
        });
        connect(map_.get(), &frmMap::HexEditorAsked, this, &frmWinQM::EditHex);
    }
    menuAction(QStringLiteral("mnuTurnHistory"))->setChecked(turn_.HistoryShown());
    if (change != TurnChange::Shown && windows_->changes()) windows_->changes()->Refill();
    if (change == TurnChange::Shown) {
        // Another turn on the same board: the window stays where the player put it.
        return map_->Redraw();
    }
    // A merge rebuilds the map from the merged areas, keeping this run's look.
    const bool merged = change == TurnChange::Merged;
    if (merged) map_->hide();
    map_->Load(!merged);
    map_->show();
}

void frmWinQM::SyncHexMark() {
    menuAction(QStringLiteral("mnuHex"))->setChecked(session_.map.display.HexDisplay != 0);
}

void frmWinQM::ScrollGridToArea(int area) {
    if (!IsAreaNumber(area) || areaModel_->rowCount() == 0) return;
    const int topRow = std::min<int>(area, kLastTopRow);
    grdArea_->doItemsLayout();  // the scroll range follows the rows only when laid out
    grdArea_->verticalScrollBar()->setValue(topRow - 1);
}

void frmWinQM::ShowArea(int area) {
    if (!IsAreaNumber(area) || areaModel_->rowCount() < area) return;
    grdArea_->setCurrentIndex(areaModel_->index(area - 1, kColId));
    ScrollGridToArea(area);
    CentreOnArea(session_.game, session_.map, session_.port, static_cast<std::int16_t>(area));
}

void frmWinQM::SetGridRows(GridId grid, int rows) {
    if (grid == GridId::Area) areaModel_->SetGridRows(rows);
}

void frmWinQM::SetGridCell(GridId grid, int row, int column, const QString& text) {
    if (grid == GridId::Area)
        areaModel_->SetGridCell(row, column, text);
    else
        summary_->SetCell(row, column, text);
}

void frmWinQM::MapViewChanged() {
    if (map_) map_->ViewChanged();
}

SupportAnswer frmWinQM::AskSupportedPlayer() {
    frmSupportAttack dialog(session_.game, map_ ? static_cast<QWidget*>(map_.get()) : this);
    dialog.exec();
    return dialog.answer();
}

std::optional<std::int16_t> frmWinQM::AskPlayer(const QString& text,
                                                const std::vector<std::int16_t>& players) {
    QStringList names;
    for (const std::int16_t player : players) names << PlayerText(session_.game, player);
    bool chosen = false;
    const QString name = QInputDialog::getItem(this, QString::fromUtf16(kMessageCaption), text,
                                               names, 0, false, &chosen);
    const auto index = names.indexOf(name);
    if (!chosen || index < 0) return std::nullopt;
    return players[static_cast<std::size_t>(index)];
}

void frmWinQM::ShowOtherWindows(bool shown) {
    if (SummaryShown) summary_->setVisible(shown);
    if (session_.map.MapShown && map_) map_->setVisible(shown);
    windows_->SetShown(shown);
}

void frmWinQM::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMinimized)
            ShowOtherWindows(false);
        else if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            ShowOtherWindows(true);
    }
    QMainWindow::changeEvent(event);
}

bool frmWinQM::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Close:
            if (!recoveryPending_) {
                recoveryPending_ = true;
                QMetaObject::invokeMethod(this, &frmWinQM::KeepRecoveryCopyNow,
                                          Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmWinQM::KeepRecoveryCopyNow() {
    recoveryPending_ = false;
    turn_.KeepRecoveryCopy();
}

void frmWinQM::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !turn_.Leave()) {
        event->ignore();
        return;
    }
    leaving_ = false;
    if (map_) map_->close();
    summary_->close();
    windows_->CloseAll();
    QMainWindow::closeEvent(event);
}

void frmWinQM::OnOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open"), turn_.OpenFolder(), QString::fromUtf16(kReportFilter));
    if (!path.isEmpty()) turn_.Open(path, OpenedFrom::Dialog);
}

void frmWinQM::OnMerge() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Merge"), session_.game.ReportDir, QString::fromUtf16(kReportFilter),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) turn_.Merge(path);
}

void frmWinQM::OnAllyOrders() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Show Ally's Orders"), session_.game.ReportDir,
        QStringLiteral("Orders Files (commands.dat);;All Files (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (path.isEmpty() || !turn_.ShowAllyOrders(path)) return;
    menuAction(QStringLiteral("mnuShowAllyOrders"))
        ->setChecked(session_.map.picture.ShowAllyOrders);
    if (frmCheckTurn* check = windows_->checkTurn(); check && check->isVisible()) check->Refill();
}

void frmWinQM::OnShowAllyOrders() {
    session_.map.picture.ShowAllyOrders =
        menuAction(QStringLiteral("mnuShowAllyOrders"))->isChecked();
    if (map_) map_->Redraw();
}

void frmWinQM::OnSave() { turn_.Save(); }

void frmWinQM::OnCheckTurn() { windows_->ShowCheckTurn(); }

void frmWinQM::OnUndo() { turn_.Undo(); }

void frmWinQM::OnRedo() { turn_.Redo(); }

void frmWinQM::OnExportMap() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Map Picture"),
                                                session_.game.ReportDir + QStringLiteral("map.png"),
                                                QStringLiteral("PNG Picture (*.png)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    turn_.ExportMap(path);
}

void frmWinQM::OnImportTurns() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Import Turns"), turn_.OpenFolder());
    if (!folder.isEmpty()) turn_.ImportTurns(folder);
    if (map_) map_->Redraw();  // what was last seen may have grown
}

void frmWinQM::OnTurnHistory() {
    turn_.ToggleHistory();
    // Its tick follows the turn, also when there was no turn to step to.
    menuAction(QStringLiteral("mnuTurnHistory"))->setChecked(turn_.HistoryShown());
}

void frmWinQM::OnEarlierTurn() { turn_.StepHistory(-1); }
void frmWinQM::OnLaterTurn() { turn_.StepHistory(1); }
void frmWinQM::OnChanges() { windows_->ShowChanges(turn_); }

void frmWinQM::OnLastSeen() {
    session_.map.picture.ShowLastSeen = menuAction(QStringLiteral("mnuLastSeen"))->isChecked();
    if (map_) map_->Redraw();
}

void frmWinQM::OnExit() {
    if (!turn_.Exit(DefaultSettingsPath())) return;
    leaving_ = true;
    close();
}

void frmWinQM::EditHex(int column, int row) {
    if (!editHex_) editHex_ = std::make_unique<frmEditHex>(session_.game, session_.map.hexes, this);
    if (column > 0) editHex_->ShowCell(column, row);
    editHex_->exec();
}

void frmWinQM::OnEditHex() { EditHex(0, 0); }

void frmWinQM::OnSaveHexData() {
    QFileDialog dialog(this, QStringLiteral("Save Hex Data"), session_.game.ProgramDir,
                       QStringLiteral("QM Data (*.dat);;All Files (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Saving over an existing file is asked first.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.selectFile(session_.game.ProgramDir + QStringLiteral("map-hex.dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    session_.port.SetBusy(true);
    const bool saved = SaveHexData(session_.map.hexes, path);
    session_.port.SetBusy(false);
    if (!saved)
        session_.port.ShowMessage(QStringLiteral("The hex map could not be written to ") + path,
                                  MessageIcon::Stop);
}

QSize frmWinQM::MapViewRoom() const { return map_ ? map_->PictureRoom() : QSize(); }

void frmWinQM::OnMapColors() {
    const DisplaySettings before = session_.map.display;
    frmMapOptions dialog(session_.map.display, session_.game, this);
    dialog.exec();
    RedrawChangedColours(session_.game, session_.map, session_.port, before);
    if (frmMapLegend* legend = windows_->mapLegend()) legend->ShowPictures();
}

void frmWinQM::OnHex() {
    ToggleHexDisplay(session_.game, session_.map, session_.port, MapViewRoom());
    SyncHexMark();
}

void frmWinQM::OnZoom() {
    const DisplaySettings& display = session_.map.display;
    frmZoom dialog(display.HexDisplay, display.HexSize, this);
    if (map_) dialog.move(map_->pos());  // frame on frame
    dialog.exec();
    ApplyZoom(session_.game, session_.map, session_.port, dialog.position(), MapViewRoom());
}

void frmWinQM::OnTypeofUnitDisplay() {
    frmUnitDisplay dialog(session_.game, session_.map, session_.port, this);
    dialog.exec();
}

void frmWinQM::OnANW() {
    frmANW dialog(session_, this);
    session_.history.Record(session_.game, [&] { dialog.exec(); });
}

void frmWinQM::OnCallToArms() {
    if (!turn_.MayCallToArms()) return;
    frmCallToArms dialog(session_, this);
    // The whole visit of the dialog is one step.
    session_.history.Record(session_.game, [&] { dialog.exec(); });
}

void frmWinQM::OnGrantAccess() { windows_->ShowGrantAccess(); }
void frmWinQM::OnSpy() { windows_->ShowSpy(); }
void frmWinQM::OnVictoryConditions() { windows_->ShowVictoryConditions(); }
void frmWinQM::OnYourAreas() { windows_->ShowYourAreas(); }
void frmWinQM::OnMergeLog() { windows_->ShowMergeLog(); }
void frmWinQM::OnMapLegend() { windows_->ShowMapLegend(); }
void frmWinQM::OnAbout() { windows_->ShowAbout(); }

void frmWinQM::OnRelations() {
    frmRelations dialog(session_.game, this);
    dialog.exec();
}

}  // namespace qm
