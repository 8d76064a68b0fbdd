#pragma once
// What the menu commands do to the loaded turn, and when each may be used:
// open, merge, save, leaving, undo and redo, the map picture, the recent
// reports, the recovery copy and the game's history. The windows pick files
// and forward the commands; every decision is taken here and told through the
// window port.

#include "files/TurnArchive.h"
#include "session/RecentReports.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/TurnChanges.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace qm {

struct Session;

/// Where a report to open comes from: one named on the command line leaves
/// Open enabled, one picked in the run is the only one of the run.
enum class OpenedFrom { CommandLine, Dialog, Recent };

class Turn {
public:
    /// recentPath: the settings file of the recent reports.
    Turn(Session& session, const QString& recentPath);
    ~Turn();
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

    /// Before any report: tells the windows every menu's enabling and the recent reports.
    void Start();

    /// Opens a report over whatever is loaded: the order windows close, the
    /// unsaved orders are asked about, the report is read, a recovery copy is
    /// offered. True when the report was taken; false leaves the turn as it was.
    bool Open(const QString& path, OpenedFrom from);
    /// The recent report `index` (0 newest), as Open; refused while Open is off.
    bool OpenRecent(int index);
    /// Merges another report into the loaded turn; Open is off after it.
    bool Merge(const QString& path);
    /// File > Show Ally's Orders: an ally's orders file drawn beside the
    /// player's orders and weighed by the turn check; refused while a kept turn is shown.
    bool ShowAllyOrders(const QString& path);
    /// Writes both order files (asking before another player's orders file is
    /// replaced), reads commands.dat back, and offers the turn check's findings.
    bool Save();
    /// Before the turn is left behind (Exit, closing, the desktop session's
    /// end): the order windows close and unsaved orders are asked about. True
    /// when the caller may go on.
    bool Leave();
    /// File > Exit: Leave, then the display settings go to settingsPath. True
    /// when the program may end.
    bool Exit(const QString& settingsPath);
    /// Takes back or gives again the last change; refused while a window that
    /// keeps orders of its own is open.
    bool Undo();
    bool Redo();
    /// Asks whether the whole board or the view, then writes the picture.
    bool ExportMap(const QString& path);
    /// Command > Call to Arms may open its dialog (not in the first three turns).
    bool MayCallToArms();
    /// Brings the recovery copy up to date after a change of the orders; a
    /// copy that cannot be written is told once, until one can again.
    void KeepRecoveryCopy();

    /// File > Import Turns: the reports and orders of a folder and its
    /// subfolders go into the loaded game's history; the import's report says
    /// what was taken and what was not, and why.
    bool ImportTurns(const QString& folder);
    /// The kept turns of the loaded game and player up to the loaded one,
    /// oldest first, the loaded turn last (kept or not).
    std::vector<ReportTurn> PlayedTurns() const;
    /// Shows a kept turn as it was, with its saved orders, in place of the
    /// loaded one, which is kept untouched; no order is taken until the
    /// loaded turn is shown again. The loaded turn itself shows it again.
    bool ShowHistory(const ReportTurn& turn);
    /// The kept turn `step` turns later (or earlier, negative) than the one
    /// shown; past the last kept one before the loaded turn comes the loaded turn.
    bool StepHistory(int step);
    /// Back to the loaded turn.
    void ShowLoadedTurn();
    /// View > Turn History: back to the loaded turn, or else to the kept one before it.
    void ToggleHistory();
    bool HistoryShown() const { return shelved_ != nullptr; }
    /// The turn shown now: a kept one, or the loaded one.
    ReportTurn ShownTurn() const;
    /// The loaded turn, also while history is shown.
    const GameState& LoadedGame() const;
    /// The change list between two kept turns (the loaded turn among them);
    /// nothing when one cannot be read.
    std::optional<std::vector<ChangeLine>> Changes(const ReportTurn& before,
                                                   const ReportTurn& after) const;
    /// The turn the change list starts from by default: the kept one before the loaded turn.
    std::optional<ReportTurn> PreviousTurn() const;

    /// Where the open dialog starts: the loaded report's folder, else the last one's.
    QString OpenFolder() const;
    const RecentReports& recent() const { return recent_; }

private:
    void ShowMenus();
    /// Undo and Redo alone, after every change of the orders.
    void ShowUndoMenus();
    bool SaveFiles();
    bool UndoAllowed();
    void KeepInHistory(CopyWrite result);
    /// Takes earlier turns lying beside the opened report, and what the kept
    /// reports last showed of the areas it does not show.
    void GatherHistory();
    /// The grid, summary, map and title follow the turn now in session_.game.
    void ShowTurn();
    /// Tells a copy that could not be written once, until one is written again.
    void TellFailureOnce(CopyWrite result, bool& told, const QString& text);

    Session& session_;
    RecentReports recent_;
    bool openEnabled_ = true;
    bool loaded_ = false;
    bool mapLoaded_ = false;
    bool recoveryFailureTold_ = false;
    bool archiveFailureTold_ = false;
    // The loaded turn, set aside while a kept one is shown.
    struct Shelf {
        GameState game;
        Interaction interaction;
    };
    std::unique_ptr<Shelf> shelved_;
};

/// The texts of the turn's questions and notices.
inline constexpr char16_t kSaveQuestion[] = u"Save the orders of this turn?";
inline constexpr char16_t kRecoveryQuestion[] =
    u"Orders of this turn were found that were never saved (the program ended without "
    u"Save). Restore them?";
inline constexpr char16_t kExportQuestion[] = u"Export the whole board, or only the part in view?";
inline constexpr char16_t kArchiveFailure[] =
    u"The game's history could not be kept in %1; the turn is opened and saved as always";
inline constexpr char16_t kNoKeptTurn[] = u"No earlier turn of this game is kept yet";
inline constexpr char16_t kUnreadableTurn[] = u"The kept turn %1 cannot be read back";
inline constexpr char16_t kUndoRefusal[] =
    u"Close the Grant Access, Spy and Victory Conditions windows before taking orders back "
    u"or giving them again";

}  // namespace qm
