// What the main window's menu commands do: pick files or open their windows,
// then hand the command to the turn.

#include "ui/frmWinQM.h"

#include "map/BoardPicture.h"
#include "map/ColourRedraw.h"
#include "map/DisplaySettingsFile.h"
#include "map/ResizeView.h"
#include "map/SaveHexData.h"
#include "session/Session.h"
#include "session/Turn.h"
#include "ui/ModelessWindows.h"
#include "ui/frmANW.h"
#include "ui/frmCallToArms.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmEditHex.h"
#include "ui/frmMap.h"
#include "ui/frmMapLegend.h"
#include "ui/frmMapOptions.h"
#include "ui/frmRelations.h"
#include "ui/frmUnitDisplay.h"
#include "ui/frmZoom.h"

#include <QAction>
#include <QFileDialog>

namespace qm {

namespace {

constexpr char16_t kReportFilter[] = u"QM Report (plyrdata.*);;All Files (*)";

}  // namespace

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
    // The board stays as it is; only the arrows on the view change.
    RefreshView(session_.game, session_.map, session_.port);
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
    // The board stays as it is; only the arrows on the view change.
    RefreshView(session_.game, session_.map, session_.port);
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
