#pragma once
// A whole program for window tests: messages are recorded instead of shown,
// files live in temporary folders, and the program can be started again.

#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"
#include "ui/HandMap.h"
#include "ui/Program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <memory>
#include <vector>

namespace qm::test {

class WindowsFixture : public ::testing::Test {
protected:
    WindowsFixture() {
        QApplication::setQuitOnLastWindowClosed(false);
        NewProgram();
    }
    ~WindowsFixture() override { program.reset(); }

    /// Throws the running program away and makes a fresh one, as a new run would.
    void NewProgram() {
        program.reset();
        program = std::make_unique<Program>();
        program->port.SetMessageSink(
            [this](const QString& text, MessageIcon icon) { messages.push_back({text, icon}); });
        program->port.SetSupportQuestion([this] {
            ++supportQuestions;
            return supportAnswer;
        });
    }

    /// Shows the main window and runs its start-up with the given command line.
    void Start(const QString& commandLine, const QString& programDir) {
        mainWindow().show();
        mainWindow().Startup(programDir, commandLine);
    }

    /// Writes the hand-made map into the program folder.
    QString HandMapDir(int playerCount) {
        programFolder.Write(QStringLiteral("map-area.dat"), HandMapAreaFile(playerCount));
        programFolder.Write(QStringLiteral("map-hex.dat"), HandMapHexFile());
        return programFolder.path();
    }

    /// Copies a file of the sample game into the report folder and answers its path.
    QString CopySample(const QString& relativePath) {
        const QString source = QStringLiteral(ZEZ_DATA_DIR "/sample/") + relativePath;
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QString name = relativePath.section(u'/', -1);
        return reportFolder.Write(name, file.readAll());
    }

    frmWinQM& mainWindow() { return program->mainWindow; }
    Session& session() { return program->session; }

    std::unique_ptr<Program> program;
    std::vector<Message> messages;
    int supportQuestions = 0;
    std::int16_t supportAnswer = 0;
    TempFolder reportFolder;
    TempFolder programFolder;
};

}  // namespace qm::test
