#pragma once
// One run of the program: the windows' port, the session it feeds, the turn
// that runs the menu commands, and the main window that owns every other window.

#include "session/Session.h"
#include "session/Turn.h"
#include "ui/WindowsPort.h"
#include "ui/frmWinQM.h"

namespace qm {

struct Program {
    Program() {
        port.Attach(&mainWindow);
        turn.Start();
    }
    ~Program() { port.Attach(nullptr); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowsPort port;
    Session session{port};
    Turn turn{session, RecentReports::DefaultPath()};
    frmWinQM mainWindow{session, turn};
};

}  // namespace qm
