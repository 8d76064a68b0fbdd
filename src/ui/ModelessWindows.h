#pragma once
// The windows that stay open beside the map while the player works: made when
// first asked for, brought forward after, hidden and shown with the main window.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace qm {

struct Session;
struct DisplaySettings;
class frmYourAreas;
class frmAbout;
class frmMapLegend;
class frmCheckTurn;
class frmChanges;
class Turn;
class frmMergeLog;
class frmGrantAccess;
class frmSpy;
class frmVictoryConditions;

class ModelessWindows {
public:
    /// showArea selects an area in the grid and centres it on the map.
    ModelessWindows(Session& session, std::function<void(int area)> showArea);
    ~ModelessWindows();
    ModelessWindows(const ModelessWindows&) = delete;
    ModelessWindows& operator=(const ModelessWindows&) = delete;

    void ShowYourAreas();
    void ShowAbout();
    void ShowMapLegend();
    void ShowCheckTurn();
    void ShowChanges(Turn& turn);
    void ShowMergeLog();
    void ShowGrantAccess();
    void ShowSpy();
    void ShowVictoryConditions();

    /// The windows that write their orders when they close, and the turn check, close.
    void CloseOrderWindows();
    /// One of the windows that keep orders of their own is open.
    bool OrderWindowsOpen() const;
    /// Every window closes (the program ends).
    void CloseAll();
    /// Hides the shown windows (false) or shows again those it hid (true).
    void SetShown(bool shown);
    /// The lists that show the loaded turn are filled again.
    void TurnChanged();

    // Map clicks that feed an open window.
    void SpyTargetsChanged();
    void GrantAccessClicked(std::int16_t area);

    frmYourAreas* yourAreas() const;
    frmCheckTurn* checkTurn() const;
    frmChanges* changes() const;
    frmMergeLog* mergeLog() const;
    frmMapLegend* mapLegend() const;
    frmGrantAccess* grantAccess() const;
    frmSpy* spy() const;
    frmVictoryConditions* victoryConditions() const;

private:
    std::vector<QWidget*> All() const;

    Session& session_;
    std::function<void(int)> showArea_;
    QPointer<frmYourAreas> yourAreas_;
    QPointer<frmAbout> about_;
    QPointer<frmMapLegend> legend_;
    QPointer<frmCheckTurn> checkTurn_;
    QPointer<frmChanges> changes_;
    QPointer<frmMergeLog> mergeLog_;
    QPointer<frmGrantAccess> grantAccess_;
    QPointer<frmSpy> spy_;
    QPointer<frmVictoryConditions> victoryConditions_;
    std::vector<QPointer<QWidget>> hidden_;  // hidden with the main window
};

}  // namespace qm
