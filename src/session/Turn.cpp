#include "session/Turn.h"

#include "files/ArchivedTurns.h"
#include "files/OrdersFiles.h"
#include "files/ReadBack.h"
#include "files/ReportMerge.h"
#include "files/ReportReader.h"
#include "files/TurnImport.h"
#include "map/DisplaySettingsFile.h"
#include "map/ExportPicture.h"
#include "orders/TurnCheck.h"
#include "session/AllyOrders.h"
#include "session/OpenReport.h"
#include "session/Recovery.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"
#include "state/TurnRules.h"

#include <QDir>

#include <algorithm>
#include <utility>
#include <vector>

namespace qm {

namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

Turn::Turn(Session& session, const QString& recentPath) : session_(session), recent_(recentPath) {
    session_.history.onChanged = [this] { ShowUndoMenus(); };
}

Turn::~Turn() { session_.history.onChanged = nullptr; }

void Turn::Start() { ShowMenus(); }

void Turn::ShowMenus() {
    WindowPort& port = session_.port;
    const GameState& game = session_.game;
    // A kept turn is only looked at: nothing may change it or the loaded one under it.
    const bool current = loaded_ && !HistoryShown();
    port.EnableMenu(MenuCommand::Open, openEnabled_);
    port.EnableMenu(MenuCommand::Recent, openEnabled_);
    port.EnableMenu(MenuCommand::Merge, current);
    port.EnableMenu(MenuCommand::AllyOrders, current);
    port.EnableMenu(MenuCommand::Save, current);
    port.EnableMenu(MenuCommand::ExportMap, mapLoaded_);
    port.EnableMenu(MenuCommand::Orders, current);
    port.EnableMenu(MenuCommand::History, loaded_);
    // Only the first turn of a game takes proposals.
    port.EnableMenu(MenuCommand::VictoryConditions, current && IsFirstTurn(game));
    const QStringList& reports = recent_.reports();
    port.ShowRecentReports(std::vector<QString>(reports.begin(), reports.end()));
    ShowUndoMenus();
}

void Turn::ShowUndoMenus() {
    session_.port.EnableMenu(MenuCommand::Undo, !HistoryShown() && session_.history.CanUndo());
    session_.port.EnableMenu(MenuCommand::Redo, !HistoryShown() && session_.history.CanRedo());
}

bool Turn::Open(const QString& path, OpenedFrom from) {
    if (!Leave()) return false;
    WindowPort& port = session_.port;
    port.SetBusy(true);
    const OpenResult result = OpenReportFile(session_, path);
    if (result != OpenResult::Rejected) {
        const auto recovered = RecoveryToOffer(session_.game, session_.recoveryFolder);
        if (recovered && port.Ask({QString::fromUtf16(kRecoveryQuestion),
                                   {Answer::Yes, Answer::No},
                                   Answer::Yes}) == Answer::Yes)
            RestoreRecoveryCopy(session_, *recovered);
        loaded_ = true;
        mapLoaded_ = result == OpenResult::Opened;
        if (from != OpenedFrom::CommandLine) openEnabled_ = false;
        recent_.Add(path);
        KeepInHistory(ArchiveOpenedReport(session_.archiveFolder, session_.game, path));
        GatherHistory();
        port.TurnChanged(mapLoaded_ ? TurnChange::Opened : TurnChange::OpenedWithoutMap);
        session_.history.Reset();
        ShowMenus();
    }
    port.SetBusy(false);
    return result != OpenResult::Rejected;
}

bool Turn::OpenRecent(int index) {
    const QStringList& reports = recent_.reports();
    if (!openEnabled_ || index < 0 || index >= reports.size()) return false;
    return Open(reports[index], OpenedFrom::Recent);
}

bool Turn::Merge(const QString& path) {
    if (!loaded_ || HistoryShown()) return false;
    WindowPort& port = session_.port;
    port.SetBusy(true);
    const bool merged = MergeReportFile(session_.game, port, path);
    if (merged) {
        openEnabled_ = false;  // as after Open: the merged turn is the run's
        KeepInHistory(ArchiveMergedReport(session_.archiveFolder, session_.game, path));
        port.TurnChanged(TurnChange::Merged);
        ShowMenus();
    }
    port.SetBusy(false);
    return merged;
}

bool Turn::ShowAllyOrders(const QString& path) {
    if (!loaded_ || HistoryShown()) return false;
    return qm::ShowAllyOrders(session_, path);
}

bool Turn::SaveFiles() {
    const GameState& game = session_.game;
    if (const auto owner = AnotherPlayersOrders(game.ReportDir, game.GameCode, game.PlayerIdent)) {
        const QString question =
            QStringLiteral("The orders file in this folder holds the orders of another player (") +
            *owner + QStringLiteral("). Replace them with yours?");
        if (session_.port.Ask({question, {Answer::Yes, Answer::No}, Answer::No}) != Answer::Yes)
            return false;
    }
    if (!SaveTurn(session_)) return false;
    KeepInHistory(ArchiveOrders(session_.archiveFolder, game));
    return true;
}

bool Turn::Save() {
    if (!loaded_ || HistoryShown() || !SaveFiles()) return false;
    // A file that differs from the screen is the first thing to hear of;
    // what the turn check finds is offered after it.
    if (VerifySavedOrders(session_.game, session_.port) && !CheckTurn(session_.game).empty())
        session_.port.ShowTurnCheck();
    return true;
}

bool Turn::Leave() {
    // Their closing writes what they show into the orders, so they close
    // before anything asks about unsaved orders.
    session_.port.CloseOrderWindows();
    if (HistoryShown()) ShowLoadedTurn();
    if (!OrdersChanged(session_.game)) return true;
    switch (session_.port.Ask({QString::fromUtf16(kSaveQuestion),
                               {Answer::Save, Answer::Discard, Answer::Cancel},
                               Answer::Save})) {
        case Answer::Save:
            return SaveFiles();
        case Answer::Discard:
            DropRecoveryCopy(session_.game, session_.recoveryFolder);
            return true;
        default:
            return false;
    }
}

bool Turn::Exit(const QString& settingsPath) {
    if (!Leave()) return false;
    if (!SaveMapSettings(session_.map, settingsPath))
        session_.port.ShowMessage(QStringLiteral("Could not write ") + Native(settingsPath) +
                                      QStringLiteral("; the map settings of this run are not kept"),
                                  MessageIcon::Exclamation);
    return true;
}

bool Turn::UndoAllowed() {
    // Those windows keep orders of their own until they close; taking orders
    // back under them would be undone again by their closing.
    if (!session_.port.OrderWindowsOpen()) return true;
    session_.port.ShowMessage(QString::fromUtf16(kUndoRefusal), MessageIcon::Information);
    return false;
}

bool Turn::Undo() {
    return !HistoryShown() && UndoAllowed() && session_.history.Undo(session_.orders());
}

bool Turn::Redo() {
    return !HistoryShown() && UndoAllowed() && session_.history.Redo(session_.orders());
}

bool Turn::ExportMap(const QString& path) {
    if (!mapLoaded_) return false;
    const Answer answer = session_.port.Ask({QString::fromUtf16(kExportQuestion),
                                             {Answer::WholeBoard, Answer::View, Answer::Cancel},
                                             Answer::WholeBoard});
    if (answer == Answer::Cancel) return false;
    return ExportMapPicture(session_.game, session_.map, session_.port, path,
                            answer == Answer::WholeBoard);
}

bool Turn::MayCallToArms() {
    return !HistoryShown() && !RefusedInFirstTurns(session_.game, session_.port);
}

void Turn::KeepRecoveryCopy() {
    if (HistoryShown()) return;  // the loaded turn's orders cannot change meanwhile
    TellFailureOnce(
        qm::KeepRecoveryCopy(session_.game, session_.recoveryFolder), recoveryFailureTold_,
        QStringLiteral("The recovery copy could not be written to ") +
            Native(RecoveryCopyPath(session_.game, session_.recoveryFolder)) +
            QStringLiteral("; the orders entered since the last Save are kept only until the "
                           "program ends"));
}

void Turn::KeepInHistory(CopyWrite result) {
    TellFailureOnce(result, archiveFailureTold_,
                    QString::fromUtf16(kArchiveFailure).arg(Native(session_.archiveFolder)));
}

void Turn::TellFailureOnce(CopyWrite result, bool& told, const QString& text) {
    // Unchanged says nothing of whether the folder works again, so it leaves `told` be.
    if (result == CopyWrite::Written) told = false;
    if (result != CopyWrite::Failed || told) return;
    told = true;
    session_.port.ShowMessage(text, MessageIcon::Exclamation);
}

void Turn::GatherHistory() {
    const ImportReport nearby = ImportNearbyTurns(session_.archiveFolder, session_.game);
    if (nearby.failed) KeepInHistory(CopyWrite::Failed);
    if (const QString text = NearbyImportText(nearby); !text.isEmpty())
        session_.port.ShowStatus(text);
    session_.map.lastSeen = LastSeenOf(session_.archiveFolder, session_.game);
}

bool Turn::ImportTurns(const QString& folder) {
    if (!loaded_) return false;
    session_.port.SetBusy(true);
    const ImportReport report = qm::ImportTurns(session_.archiveFolder, LoadedGame(), folder);
    session_.map.lastSeen = LastSeenOf(session_.archiveFolder, LoadedGame());
    session_.port.SetBusy(false);
    if (report.failed) KeepInHistory(CopyWrite::Failed);
    session_.port.ShowMessage(ImportReportText(report), MessageIcon::Information);
    return true;
}

ReportTurn Turn::ShownTurn() const { return TurnOf(session_.game); }

const GameState& Turn::LoadedGame() const { return shelved_ ? shelved_->game : session_.game; }

std::vector<ReportTurn> Turn::PlayedTurns() const {
    const GameState& game = LoadedGame();
    const ReportTurn loaded = TurnOf(game);
    std::vector<ReportTurn> turns;
    for (const ReportTurn& turn :
         ArchivedTurns(session_.archiveFolder, game.GameCode, game.CurrentPlayer))
        if (EarlierTurn(turn, loaded)) turns.push_back(turn);
    turns.push_back(loaded);
    return turns;
}

bool Turn::ShowHistory(const ReportTurn& turn) {
    if (!loaded_) return false;
    if (turn == TurnOf(LoadedGame())) {
        ShowLoadedTurn();
        return true;
    }
    auto kept = LoadArchivedTurn(session_.archiveFolder, LoadedGame(), turn);
    if (!kept) {
        session_.port.ShowMessage(QString::fromUtf16(kUnreadableTurn).arg(TurnLabel(turn)),
                                  MessageIcon::Exclamation);
        return false;
    }
    // Their closing writes into the loaded turn, so they close while it is in place.
    session_.port.CloseOrderWindows();
    if (!shelved_)
        shelved_ = std::make_unique<Shelf>(
            Shelf{std::move(session_.game), std::exchange(session_.interaction, {})});
    session_.game = std::move(*kept);
    session_.interaction = Interaction();
    session_.interaction.ReadOnly = true;
    ShowTurn();
    return true;
}

bool Turn::StepHistory(int step) {
    if (!loaded_ || step == 0) return false;
    const std::vector<ReportTurn> turns = PlayedTurns();
    const ReportTurn shown = ShownTurn();
    const auto at = std::find(turns.begin(), turns.end(), shown) - turns.begin();
    const auto to = std::clamp<std::ptrdiff_t>(at + step, 0, std::ssize(turns) - 1);
    if (to == at) return false;
    return ShowHistory(turns[static_cast<std::size_t>(to)]);
}

void Turn::ToggleHistory() {
    if (HistoryShown())
        ShowLoadedTurn();
    else if (!StepHistory(-1))
        session_.port.ShowStatus(QString::fromUtf16(kNoKeptTurn));
}

void Turn::ShowLoadedTurn() {
    if (!shelved_) return;
    session_.game = std::move(shelved_->game);
    session_.interaction = std::move(shelved_->interaction);
    shelved_.reset();
    ShowTurn();
}

void Turn::ShowTurn() {
    WindowPort& port = session_.port;
    RefreshDisplay(session_.game, port);
    QString title = TurnTitle(session_.game);
    if (HistoryShown()) title += QStringLiteral(" - turn %1 as it was").arg(TurnLabel(ShownTurn()));
    port.SetTitle(title);
    port.TurnChanged(TurnChange::Shown);
    port.ShowStatus(HistoryShown()
                        ? QStringLiteral("Turn %1 as it was: no orders are taken; "
                                         "View > Turn History returns to turn %2")
                              .arg(TurnLabel(ShownTurn()), TurnLabel(TurnOf(LoadedGame())))
                        : QString());
    ShowMenus();
}

std::optional<ReportTurn> Turn::PreviousTurn() const {
    const std::vector<ReportTurn> turns = PlayedTurns();
    if (turns.size() < 2) return std::nullopt;
    return turns[turns.size() - 2];
}

std::optional<std::vector<ChangeLine>> Turn::Changes(const ReportTurn& before,
                                                     const ReportTurn& after) const {
    const GameState& loaded = LoadedGame();
    auto read = [&](const ReportTurn& turn) -> std::unique_ptr<GameState> {
        if (turn == TurnOf(loaded)) return std::make_unique<GameState>(loaded);
        return LoadArchivedTurn(session_.archiveFolder, loaded, turn);
    };
    const auto then = read(before), now = read(after);
    if (!then || !now) return std::nullopt;
    return ListChanges(*then, *now);
}

QString Turn::OpenFolder() const {
    return session_.game.ReportDir.isEmpty() ? recent_.lastFolder() : session_.game.ReportDir;
}

}  // namespace qm
