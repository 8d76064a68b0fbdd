#pragma once
// One run of the program: the windows' port, the session it feeds, the turn
// that runs the menu commands, and the main window that owns every other window.

#include "session/Session.h"
#include "session/Turn.h"
#include "ui/AccessibleNames.h"
#include "ui/WindowsPort.h"
#include "ui/frmWinQM.h"

#include <QCoreApplication>

namespace qm {

struct Program {
    Program() {
        QCoreApplication::instance()->installEventFilter(&namer);
        port.Attach(&mainWindow);
        turn.Start();
    }
    ~Program() {
        port.Attach(nullptr);
        QCoreApplication::instance()->removeEventFilter(&namer);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AccessibleNamer namer;  // first, so that it outlives every window
    WindowsPort port;
    Session session{port};
    Turn turn{session, RecentReports::DefaultPath()};
    frmWinQM mainWindow{session, turn};
};

}  // namespace qm
