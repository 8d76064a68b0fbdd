#include "ui/ModelessWindows.h"

#include "session/Session.h"
#include "ui/frmAbout.h"
#include "ui/frmChanges.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmGrantAccess.h"
#include "ui/frmMapLegend.h"
#include "ui/frmMergeLog.h"
#include "ui/frmSpy.h"
#include "ui/frmVictoryConditions.h"
#include "ui/frmYourAreas.h"

#include <algorithm>

namespace qm {

namespace {

// Made when missing, else brought forward.
template <class Window, class Make>
Window& Raise(QPointer<Window>& window, Make make) {
    if (!window) window = make();
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace

ModelessWindows::ModelessWindows(Session& session, std::function<void(int area)> showArea)
    : session_(session), showArea_(std::move(showArea)) {}

ModelessWindows::~ModelessWindows() {
    for (QWidget* window : All()) delete window;
}

frmYourAreas* ModelessWindows::yourAreas() const { return yourAreas_.data(); }
frmCheckTurn* ModelessWindows::checkTurn() const { return checkTurn_.data(); }
frmChanges* ModelessWindows::changes() const { return changes_.data(); }
frmMergeLog* ModelessWindows::mergeLog() const { return mergeLog_.data(); }
frmMapLegend* ModelessWindows::mapLegend() const { return legend_.data(); }
frmGrantAccess* ModelessWindows::grantAccess() const { return grantAccess_.data(); }
frmSpy* ModelessWindows::spy() const { return spy_.data(); }
frmVictoryConditions* ModelessWindows::victoryConditions() const {
    return victoryConditions_.data();
}

std::vector<QWidget*> ModelessWindows::All() const {
    std::vector<QWidget*> windows;
    for (QWidget* window :
         std::initializer_list<QWidget*>{yourAreas_, about_, legend_, checkTurn_, changes_,
                                         mergeLog_, grantAccess_, spy_, victoryConditions_})
        if (window) windows.push_back(window);
    return windows;
}

void ModelessWindows::ShowYourAreas() {
    Raise(yourAreas_, [&] { return new frmYourAreas(session_.game); });
}

void ModelessWindows::ShowAbout() {
    Raise(about_, [] { return new frmAbout(); });
}

void ModelessWindows::ShowMapLegend() {
    Raise(legend_, [&] { return new frmMapLegend(session_.map.display); });
}

void ModelessWindows::ShowCheckTurn() {
    Raise(checkTurn_, [&] { return new frmCheckTurn(session_, showArea_); }).Refill();
}

void ModelessWindows::ShowChanges(Turn& turn) {
    Raise(changes_, [&] { return new frmChanges(session_, turn, showArea_); }).Refill();
}

void ModelessWindows::ShowMergeLog() {
    Raise(mergeLog_, [&] { return new frmMergeLog(session_.game, showArea_); }).Refill();
}

void ModelessWindows::ShowGrantAccess() {
    Raise(grantAccess_, [&] { return new frmGrantAccess(session_); });
}

void ModelessWindows::ShowSpy() {
    Raise(spy_, [&] { return new frmSpy(session_); });
}

void ModelessWindows::ShowVictoryConditions() {
    Raise(victoryConditions_, [&] { return new frmVictoryConditions(session_); });
}

void ModelessWindows::CloseOrderWindows() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{grantAccess_, spy_, victoryConditions_, checkTurn_})
        if (window) window->close();
}

bool ModelessWindows::OrderWindowsOpen() const {
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{grantAccess_, spy_, victoryConditions_})
        if (window && (window->isVisible() ||
                       std::find(hidden_.begin(), hidden_.end(), window) != hidden_.end()))
            return true;
    return false;
}

void ModelessWindows::CloseAll() {
    for (QWidget* window : All()) window->close();
}

void ModelessWindows::SetShown(bool shown) {
    if (!shown) {
        for (QWidget* window : All()) {
            if (!window->isVisible()) continue;
            window->hide();
            hidden_.emplace_back(window);
        }
        return;
    }
    for (const QPointer<QWidget>& window : hidden_)
        if (window) window->show();
    hidden_.clear();
}

void ModelessWindows::TurnChanged() {
    if (mergeLog_) mergeLog_->Refill();
}

void ModelessWindows::SpyTargetsChanged() {
    if (spy_) spy_->ShowCells();
}

void ModelessWindows::GrantAccessClicked(std::int16_t area) {
    if (grantAccess_) grantAccess_->AreaClicked(area);
}

}  // namespace qm
