#include "ui/frmWinQM.h"

#include "files/ReadBack.h"
#include "files/ReportMerge.h"
#include "files/SaveOrders.h"
#include "map/CentreOnArea.h"
#include "map/ColourRedraw.h"
#include "map/DisplaySettingsFile.h"
#include "map/ExportPicture.h"
#include "map/HexEditing.h"
#include "map/ResizeView.h"
#include "map/SaveHexData.h"
#include "orders/TurnCheck.h"
#include "session/OpenReport.h"
#include "session/Recovery.h"
#include "session/Session.h"
#include "state/GridSelection.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"
#include "state/TurnRules.h"
#include "ui/AreaGridModel.h"
#include "ui/Version.h"
#include "ui/WindowsPort.h"
#include "ui/frmANW.h"
#include "ui/frmAbout.h"
#include "ui/frmCallToArms.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmEditHex.h"
#include "ui/frmGrantAccess.h"
#include "ui/frmMap.h"
#include "ui/frmMapLegend.h"
#include "ui/frmMapOptions.h"
#include "ui/frmMergeLog.h"
#include "ui/frmRelations.h"
#include "ui/frmSpy.h"
#include "ui/frmSummary.h"
#include "ui/frmSupportAttack.h"
#include "ui/frmUnitDisplay.h"
#include "ui/frmVictoryConditions.h"
#include "ui/frmYourAreas.h"
#include "ui/frmZoom.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSessionManager>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace qm {

namespace {

constexpr int kVisibleGridRows = 8;  // the heading and seven areas
constexpr char16_t kSaveQuestion[] = u"Save the orders of this turn?";
constexpr char16_t kRecoveryQuestion[] =
    u"Orders of this turn were found that were never saved (the program ended without "
    u"Save). Restore them?";

int SampleWidth(const QFontMetrics& metrics, const char* sample) {
    return metrics.horizontalAdvance(QString::fromLatin1(sample)) + 4;
}

}  // namespace

frmWinQM::frmWinQM(Session& session) : session_(session) {
    setObjectName(QStringLiteral("frmWinQM"));
    setWindowTitle(DesignCaption());
    BuildMenus();
    BuildGrids();
    summary_ = std::make_unique<frmSummary>();

    // Every change of the orders comes from the player's mouse or keys; after
    // each such event the recovery copy is brought up to date.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!manager.allowsInteraction()) {
            KeepRecoveryCopyNow();
            return;
        }
        if (!ConfirmLeavingOrders()) manager.cancel();
        manager.release();
    });
    session_.history.onChanged = [this] { SyncEditMenu(); };
    SyncEditMenu();
    SyncRecentMenu();
}

frmWinQM::~frmWinQM() {
    session_.history.onChanged = nullptr;
    delete yourAreas_;
    delete about_;
    delete legend_;
    delete checkTurn_;
    delete mergeLog_;
    delete grantAccess_;
    delete spy_;
    delete victoryConditions_;
}

QAction* frmWinQM::AddCommand(QMenu* menu, const char* name, const QString& caption,
                              void (frmWinQM::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (handler) {
        connect(action, &QAction::triggered, this, handler);
    } else {
        pending_.insert(action);
        action->setEnabled(false);
    }
    return action;
}

void frmWinQM::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* open = AddCommand(file, "mnuOpen", QStringLiteral("&Open"), &frmWinQM::OnOpen);
    // Merging needs a loaded report to merge into.
    AddCommand(file, "mnuMerge", QStringLiteral("&Merge"), &frmWinQM::OnMerge)->setEnabled(false);
    QAction* save = AddCommand(file, "mnuSave", QStringLiteral("&Save "), &frmWinQM::OnSave);
    save->setEnabled(false);  // nothing to save before a report is open
    AddCommand(file, "mnuExportMap", QStringLiteral("Export Map &Picture..."),
               &frmWinQM::OnExportMap)
        ->setEnabled(false);
    file->addSeparator();
    for (int i = 1; i <= RecentReports::kMaxReports; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        connect(recent, &QAction::triggered, this, [this, i] {
            if (i > recent_.reports().size()) return;
            CloseOrderWindows();
            if (ConfirmLeavingOrders()) OpenReport(recent_.reports()[i - 1], false);
        });
    }
    file->addSeparator();
    QAction* exit = AddCommand(file, "mnuExit", QStringLiteral("&Exit"), &frmWinQM::OnExit);
    // The file shortcuts work from the map and the other windows too.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {open, QKeySequence::Open}, {save, QKeySequence::Save}, {exit, Qt::CTRL | Qt::Key_Q}};
    for (const auto& [action, keys] : shortcuts) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    // Orders are given in the map window, so the keys work from every window.
    const std::pair<QAction*, QKeySequence> editKeys[] = {
        {AddCommand(edit, "mnuUndo", QStringLiteral("&Undo"), &frmWinQM::OnUndo),
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {AddCommand(edit, "mnuRedo", QStringLiteral("&Redo"), &frmWinQM::OnRedo),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}};
    for (const auto& [action, keys] : editKeys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }

    // A maintenance menu: shown, but off for players.
    QMenu* areaData = menuBar()->addMenu(QStringLiteral("&Area Data"));
    areaData->setObjectName(QStringLiteral("mnuAreaData"));
    AddCommand(areaData, "mnuEditHex", QStringLiteral("&Edit Hex"), &frmWinQM::OnEditHex);
    AddCommand(areaData, "mnuSaveHexData", QStringLiteral("&Save Hex Data"),
               &frmWinQM::OnSaveHexData);
    EnableAreaData(false);

    QMenu* command = menuBar()->addMenu(QStringLiteral("&Command"));
    command->setObjectName(QStringLiteral("mnuCommand"));
    AddCommand(command, "mnuANW", QStringLiteral("&ANW"), &frmWinQM::OnANW);
    AddCommand(command, "mnuCallToArms", QStringLiteral("&Call to Arms"), &frmWinQM::OnCallToArms);
    AddCommand(command, "mnuGrantAccess", QStringLiteral("&Grant Access"),
               &frmWinQM::OnGrantAccess);
    AddCommand(command, "mnuSpy", QStringLiteral("&Spy"), &frmWinQM::OnSpy);
    // Only the first turn of a game takes proposals; the report reader decides.
    AddCommand(command, "mnuVictoryConditions", QStringLiteral("&VictoryConditions"),
               &frmWinQM::OnVictoryConditions)
        ->setEnabled(false);
    command->addSeparator();
    AddCommand(command, "mnuCheckTurn", QStringLiteral("Check &Turn"), &frmWinQM::OnCheckTurn)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    AddCommand(view, "mnuRelations", QStringLiteral("&Relations"), &frmWinQM::OnRelations);
    AddCommand(view, "mnuYourAreas", QStringLiteral("&Your Areas"), &frmWinQM::OnYourAreas);
    AddCommand(view, "mnuMergeLog", QStringLiteral("&Merge Log"), &frmWinQM::OnMergeLog);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    AddCommand(options, "mnuMapColors", QStringLiteral("Map &Colors"), &frmWinQM::OnMapColors);
    AddCommand(options, "mnuHex", QStringLiteral("Hex map"), &frmWinQM::OnHex)->setCheckable(true);
    AddCommand(options, "mnuZoom", QStringLiteral("&Zoom Map"), &frmWinQM::OnZoom);
    AddCommand(options, "mnuTypeofUnitDisplay", QStringLiteral("Type of Unit Display"),
               &frmWinQM::OnTypeofUnitDisplay);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddCommand(help, "mnuMapLegend", QStringLiteral("Map &Legend"), &frmWinQM::OnMapLegend);
    AddCommand(help, "mnuAbout", QStringLiteral("&About"), &frmWinQM::OnAbout);
}

frmYourAreas* frmWinQM::yourAreasWindow() const { return yourAreas_.data(); }
frmGrantAccess* frmWinQM::grantAccessWindow() const { return grantAccess_.data(); }
frmSpy* frmWinQM::spyWindow() const { return spy_.data(); }
frmVictoryConditions* frmWinQM::victoryConditionsWindow() const {
    return victoryConditions_.data();
}

frmCheckTurn* frmWinQM::checkTurnWindow() const { return checkTurn_.data(); }
frmMergeLog* frmWinQM::mergeLogWindow() const { return mergeLog_.data(); }

QAction* frmWinQM::menuAction(const QString& name) const { return findChild<QAction*>(name); }

void frmWinQM::BuildGrids() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    areaModel_ = new AreaGridModel(this);
    grdArea_ = new QTableView(central);
    grdArea_->setObjectName(QStringLiteral("grdArea"));
    grdArea_->setModel(areaModel_);
    grdArea_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdArea_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdArea_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdArea_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grdArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdArea_->verticalHeader()->hide();
    grdArea_->setWordWrap(false);

    const QFontMetrics metrics(grdArea_->font());
    const int rowHeight = metrics.height() + 4;
    QHeaderView* heading = grdArea_->horizontalHeader();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setHighlightSections(false);
    heading->setFixedHeight(rowHeight);
    grdArea_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdArea_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grdArea_->verticalHeader()->setMinimumSectionSize(1);

    int columnsWidth = 0;
    int areaGroup = 0, unitGroup = 0;
    for (int column = 0; column < kAreaColumnCount; ++column) {
        const int width = SampleWidth(metrics, AreaGridModel::kWidthSamples[column]);
        grdArea_->setColumnWidth(column, width);
        columnsWidth += width;
        if (column <= kColSupply)
            areaGroup += width;
        else if (column <= kColUnitType)
            unitGroup += width;
    }
    const int frame = 2 * grdArea_->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdArea_);
    // The designed size is the least; the grid grows with the window.
    grdArea_->setMinimumSize(columnsWidth + frame + scrollBar,
                             kVisibleGridRows * rowHeight + frame);
    grdArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grdArea_->setMouseTracking(true);  // hovering a row describes its area

    grdAreaTitle_ = new QTableWidget(1, 3, central);
    grdAreaTitle_->setObjectName(QStringLiteral("grdAreaTitle"));
    grdAreaTitle_->horizontalHeader()->hide();
    grdAreaTitle_->verticalHeader()->hide();
    grdAreaTitle_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAreaTitle_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAreaTitle_->setSelectionMode(QAbstractItemView::NoSelection);
    grdAreaTitle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAreaTitle_->setFocusPolicy(Qt::NoFocus);
    grdAreaTitle_->verticalHeader()->setMinimumSectionSize(1);
    grdAreaTitle_->setRowHeight(0, rowHeight + 1);
    grdAreaTitle_->setColumnWidth(0, areaGroup);
    grdAreaTitle_->setColumnWidth(1, unitGroup);
    grdAreaTitle_->horizontalHeader()->setStretchLastSection(true);
    const char* titles[] = {"Area", "Unit"};
    for (int column = 0; column < 2; ++column) {
        auto* item = new QTableWidgetItem(QString::fromLatin1(titles[column]));
        item->setTextAlignment(Qt::AlignCenter);
        grdAreaTitle_->setItem(0, column, item);
    }
    grdAreaTitle_->setFixedHeight(rowHeight + 1 + frame);
    grdAreaTitle_->setMinimumWidth(grdArea_->minimumWidth());

    layout->addWidget(grdAreaTitle_);
    layout->addWidget(grdArea_);
    setCentralWidget(central);
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
}

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
    if (!path.isEmpty()) OpenReport(path, true);

    summary_->PlaceBeside(*this);
    summary_->show();
    SummaryShown = true;
}

bool frmWinQM::OpenReport(const QString& fullPath, bool fromCommandLine) {
    session_.port.SetBusy(true);
    const OpenResult result = OpenReportFile(session_, fullPath);
    if (result != OpenResult::Rejected) {
        const auto recovered = RecoveryToOffer(session_.game, session_.recoveryFolder);
        if (recovered && Ask(QString::fromUtf16(kRecoveryQuestion),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            RestoreRecoveryCopy(session_, *recovered);
        session_.history.Reset(session_.game);
        if (mergeLog_) mergeLog_->Refill();
        menuAction(QStringLiteral("mnuSave"))->setEnabled(true);
        menuAction(QStringLiteral("mnuMerge"))->setEnabled(true);
        if (!fromCommandLine) menuAction(QStringLiteral("mnuOpen"))->setEnabled(false);
        if (result == OpenResult::Opened) ShowMapWindow();
        menuAction(QStringLiteral("mnuExportMap"))->setEnabled(result == OpenResult::Opened);
        recent_.Add(fullPath);
        SyncRecentMenu();
    }
    session_.port.SetBusy(false);
    return result != OpenResult::Rejected;
}

void frmWinQM::ShowMapWindow() {
    if (!map_) map_ = std::make_unique<frmMap>(session_, *this);
    map_->Load();
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

void frmWinQM::EnableMenu(MenuCommand command, bool enabled) {
    const char* name = nullptr;
    switch (command) {
        case MenuCommand::Merge:
            name = "mnuMerge";
            break;
        case MenuCommand::VictoryConditions:
            name = "mnuVictoryConditions";
            break;
    }
    QAction* action = menuAction(QString::fromLatin1(name));
    if (action && !pending_.contains(action)) action->setEnabled(enabled);
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

void frmWinQM::SpyTargetsChanged() {
    if (spy_) spy_->ShowCells();
}

void frmWinQM::GrantAccessClicked(std::int16_t area) {
    if (grantAccess_) grantAccess_->AreaClicked(area);
}

void frmWinQM::ShowOtherWindows(bool shown) {
    if (SummaryShown) summary_->setVisible(shown);
    if (session_.map.MapShown && map_) map_->setVisible(shown);
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
    KeepRecoveryCopy(session_.game, session_.recoveryFolder);
}

QMessageBox::StandardButton frmWinQM::Ask(const QString& text,
                                          QMessageBox::StandardButtons buttons) {
    if (auto* windows = dynamic_cast<WindowsPort*>(&session_.port))
        return windows->Ask(text, buttons);
    return WindowsPort::AskBox(text, buttons);
}

bool frmWinQM::ConfirmLeavingOrders() {
    if (!OrdersChanged(session_.game)) return true;
    switch (Ask(QString::fromUtf16(kSaveQuestion),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
        case QMessageBox::Save:
            return SaveTurn(session_);
        case QMessageBox::Discard:
            DropRecoveryCopy(session_.game, session_.recoveryFolder);
            return true;
        default:
            return false;
    }
}

void frmWinQM::closeEvent(QCloseEvent* event) {
    CloseOrderWindows();
    if (!leaving_ && !ConfirmLeavingOrders()) {
        event->ignore();
        return;
    }
    leaving_ = false;
    if (map_) map_->close();
    summary_->close();
    if (yourAreas_) yourAreas_->close();
    if (about_) about_->close();
    if (legend_) legend_->close();
    QMainWindow::closeEvent(event);
}

void frmWinQM::CloseOrderWindows() {
    // Their closing writes what they show into the orders, so they close
    // before anything asks about unsaved orders.
    if (grantAccess_) grantAccess_->close();
    if (spy_) spy_->close();
    if (victoryConditions_) victoryConditions_->close();
    if (checkTurn_) checkTurn_->close();
}

void frmWinQM::OnOpen() {
    const QString start =
        session_.game.ReportDir.isEmpty() ? recent_.lastFolder() : session_.game.ReportDir;
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open"), start,
                                     QStringLiteral("QM Report (plyrdata.*);;All Files (*)"));
    if (path.isEmpty()) return;
    CloseOrderWindows();
    if (!ConfirmLeavingOrders()) return;
    OpenReport(path, false);
}

void frmWinQM::OnMerge() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Merge"), session_.game.ReportDir,
                                     QStringLiteral("QM Report (plyrdata.*);;All Files (*)"),
                                     nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;
    session_.port.SetBusy(true);
    const bool merged = MergeReportFile(session_.game, session_.port, path);
    if (merged) menuAction(QStringLiteral("mnuOpen"))->setEnabled(false);  // as after Open
    if (mergeLog_) mergeLog_->Refill();
    if (merged && map_) {
        // Rebuilt from the merged areas, keeping this run's colours, size and shape.
        map_->hide();
        map_->Load(false);
        map_->show();
    }
    session_.port.SetBusy(false);
}

void frmWinQM::OnSave() {
    if (!SaveTurn(session_)) return;
    session_.history.MarkSaved(session_.game);
    // A file that differs from the screen is the first thing to hear of;
    // what the turn check finds is offered after it.
    if (VerifySavedOrders(session_.game, session_.port) && !CheckTurn(session_.game).empty())
        OnCheckTurn();
}

void frmWinQM::OnCheckTurn() {
    if (!checkTurn_) checkTurn_ = new frmCheckTurn(session_, [this](int area) { ShowArea(area); });
    checkTurn_->Refill();
    checkTurn_->show();
    checkTurn_->raise();
}

void frmWinQM::ShowArea(int area) {
    if (!IsAreaNumber(area) || areaModel_->rowCount() < area) return;
    grdArea_->setCurrentIndex(areaModel_->index(area - 1, kColId));
    ScrollGridToArea(area);
    CentreOnArea(session_.game, session_.map, session_.port, static_cast<std::int16_t>(area));
}

bool frmWinQM::OrderWindowsClosed() {
    // Those windows keep orders of their own until they close; taking orders
    // back under them would be undone again by their closing.
    if (!(grantAccess_ && grantAccess_->isVisible()) && !(spy_ && spy_->isVisible()) &&
        !(victoryConditions_ && victoryConditions_->isVisible()))
        return true;
    session_.port.ShowMessage(
        QStringLiteral("Close the Grant Access, Spy and Victory Conditions "
                       "windows before taking orders back or giving them again"),
        MessageIcon::Information);
    return false;
}

void frmWinQM::OnUndo() {
    if (OrderWindowsClosed()) session_.history.Undo(session_.orders());
}

void frmWinQM::OnRedo() {
    if (OrderWindowsClosed()) session_.history.Redo(session_.orders());
}

void frmWinQM::SyncEditMenu() {
    menuAction(QStringLiteral("mnuUndo"))->setEnabled(session_.history.CanUndo());
    menuAction(QStringLiteral("mnuRedo"))->setEnabled(session_.history.CanRedo());
}

void frmWinQM::SyncRecentMenu() {
    // Like Open: a report opened with the dialog is the only one of the run.
    const bool open = menuAction(QStringLiteral("mnuOpen"))->isEnabled();
    const QStringList& reports = recent_.reports();
    for (int i = 1; i <= RecentReports::kMaxReports; ++i) {
        QAction* action = menuAction(QStringLiteral("mnuRecent%1").arg(i));
        action->setVisible(i <= reports.size());
        action->setEnabled(open);
        if (i <= reports.size())
            action->setText(QStringLiteral("&%1 ").arg(i) +
                            QDir::toNativeSeparators(reports[i - 1]));
    }
}

bool frmWinQM::ExportMap(const QString& path, bool wholeBoard) {
    return ExportMapPicture(session_.game, session_.map, session_.port, path, wholeBoard);
}

void frmWinQM::OnExportMap() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Map Picture"),
                                                session_.game.ReportDir + QStringLiteral("map.png"),
                                                QStringLiteral("PNG Picture (*.png)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    QMessageBox question(QMessageBox::Question, QString::fromUtf16(kMessageCaption),
                         QStringLiteral("Export the whole board, or only the part in view?"),
                         QMessageBox::NoButton, this);
    QPushButton* board = question.addButton(QStringLiteral("Whole Board"), QMessageBox::YesRole);
    question.addButton(QStringLiteral("View"), QMessageBox::NoRole);
    QPushButton* cancel = question.addButton(QMessageBox::Cancel);
    question.exec();
    if (question.clickedButton() == cancel) return;
    ExportMap(path, question.clickedButton() == board);
}

void frmWinQM::OnExit() {
    CloseOrderWindows();
    if (!ConfirmLeavingOrders()) return;
    SaveDisplaySettings(session_.map.display, DefaultSettingsPath());
    leaving_ = true;
    close();
}

void frmWinQM::EnableAreaData(bool enabled) {
    for (const char* name : {"mnuEditHex", "mnuSaveHexData"})
        menuAction(QString::fromLatin1(name))->setEnabled(enabled);
    findChild<QMenu*>(QStringLiteral("mnuAreaData"))->menuAction()->setEnabled(enabled);
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

QSize frmWinQM::MapViewRoom() const { return map_ ? map_->ViewRoom() : QSize(); }

void frmWinQM::OnMapColors() {
    const DisplaySettings before = session_.map.display;
    frmMapOptions dialog(session_.map.display, session_.game, this);
    dialog.exec();
    RedrawChangedColours(session_.game, session_.map, session_.port, before);
    if (legend_) legend_->ShowPictures();
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

namespace {

// A window that is not modal: made when it is missing, else brought forward.
template <class Window>
void ShowModeless(QPointer<Window>& window, Session& session) {
    if (!window) window = new Window(session);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void frmWinQM::OnGrantAccess() { ShowModeless(grantAccess_, session_); }

void frmWinQM::OnSpy() { ShowModeless(spy_, session_); }

void frmWinQM::OnVictoryConditions() { ShowModeless(victoryConditions_, session_); }

void frmWinQM::OnCallToArms() {
    if (RefusedInFirstTurns(session_.game, session_.port)) return;
    frmCallToArms dialog(session_, this);
    // The whole visit of the dialog is one step.
    session_.history.Record(session_.game, [&] { dialog.exec(); });
}

void frmWinQM::OnRelations() {
    frmRelations dialog(session_.game, this);
    dialog.exec();
}

void frmWinQM::OnYourAreas() {
    if (!yourAreas_) yourAreas_ = new frmYourAreas(session_.game);
    yourAreas_->show();
    yourAreas_->raise();
}

void frmWinQM::OnMergeLog() {
    if (!mergeLog_)
        mergeLog_ = new frmMergeLog(session_.game, [this](int area) { ShowArea(area); });
    mergeLog_->Refill();
    mergeLog_->show();
    mergeLog_->raise();
}

void frmWinQM::OnMapLegend() {
    if (!legend_) legend_ = new frmMapLegend(session_.map.display);
    legend_->show();
    legend_->raise();
}

void frmWinQM::OnAbout() {
    if (!about_) about_ = new frmAbout();
    about_->show();
    about_->raise();
}

}  // namespace qm
