#pragma once
// One run of the program: the windows' port, the session it feeds, and the
// main window that owns every other window.

#include "session/Session.h"
#include "ui/WindowsPort.h"
#include "ui/frmWinQM.h"

namespace qm {

struct Program {
    Program() { port.Attach(&mainWindow); }
    ~Program() { port.Attach(nullptr); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowsPort port;
    Session session{port};
    frmWinQM mainWindow{session};
};

}  // namespace qm
