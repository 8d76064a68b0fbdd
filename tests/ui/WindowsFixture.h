#pragma once
// A whole program for window tests: messages are recorded instead of shown,
// files live in temporary folders, and the program can be started again.

#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"
#include "ui/HandMap.h"
#include "ui/Program.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include <memory>
#include <vector>

namespace qm::test {

class WindowsFixture : public ::testing::Test {
protected:
    WindowsFixture() {
        QApplication::setQuitOnLastWindowClosed(false);
        NewProgram();
    }
    ~WindowsFixture() override { program.reset(); }  // before the folders and messages go

    /// Throws the running program away and makes a fresh one, as a new run would.
    void NewProgram() {
        program.reset();
        program = std::make_unique<Program>();
        program->port.SetMessageSink([this](const QString& text, MessageIcon icon) {
            messages.push_back({text, icon});
        });
        program->port.SetSupportQuestion([] { return std::int16_t{0}; });
    }

    /// Shows the main window and runs its start-up with the given command line.
    void Start(const QString& commandLine, const QString& programDir) {
        mainWindow().show();
        mainWindow().Startup(programDir, commandLine);
    }

    /// Writes the hand-made map into the program folder.
    QString HandMapDir(int playerCount = 4) {
        programFolder.Write("map-area.dat", HandMapAreaFile(playerCount));
        programFolder.Write("map-hex.dat", HandMapHexFile());
        return programFolder.path();
    }

    QString WriteReport(const ReportText& report = {}) {
        return reportFolder.Write("plyrdata.3", report.Build());
    }

    frmWinQM& mainWindow() { return program->mainWindow; }
    Session& session() { return program->session; }
    QAction* Menu(const char* name) { return mainWindow().menuAction(QString::fromLatin1(name)); }

    std::unique_ptr<Program> program;
    std::vector<Message> messages;
    TempFolder reportFolder;
    TempFolder programFolder;
};

}  // namespace qm::test
