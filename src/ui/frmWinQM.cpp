#include "ui/frmWinQM.h"

#include "map/CentreOnArea.h"
#include "map/DisplaySettingsFile.h"
#include "session/Session.h"
#include "session/Turn.h"
#include "state/AreaDescription.h"
#include "state/GridSelection.h"
#include "ui/AreaGridModel.h"
#include "ui/AreaGridView.h"
#include "ui/ModelessWindows.h"
#include "ui/Version.h"
#include "ui/frmChanges.h"
#include "ui/frmEditHex.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"
#include "ui/frmSupportAttack.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QScrollBar>
#include <QSessionManager>
#include <QTableView>

#include <algorithm>

namespace qm {

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

}  // namespace qm
