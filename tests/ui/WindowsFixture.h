#pragma once
// A whole program for window tests: messages are recorded instead of shown,
// files live in temporary folders, and the program can be started again.

#include "map/DisplaySettingsFile.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"
#include "ui/Program.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QStringList>
#include <QTimer>

#include <algorithm>
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
        program->port.SetSupportQuestion([] { return SupportAnswer{}; });
        // Questions are recorded and answered from `answers`, else by Discard or No.
        program->port.SetQuestioner([this](const Question& question) {
            questions.push_back(question.text);
            if (!answers.empty()) {
                const Answer answer = answers.front();
                answers.erase(answers.begin());
                return answer;
            }
            return std::ranges::count(question.answers, Answer::Discard) ? Answer::Discard
                                                                         : Answer::No;
        });
        session().recoveryFolder = recoveryFolder.path();
    }

    void Start(const QString& commandLine, const QString& programDir) {
        mainWindow().show();
        mainWindow().Startup(programDir, commandLine);
    }

    /// A hand-made map: area k is eight cells down the columns, marks on the first, touching
    /// k - 1 and k + 1 only; supply 2 every fifth area, coast every third, water every seventh.
    QString HandMapDir() {
        QStringList areas, hexes;
        for (int area = 1; area <= 273; ++area) {
            const int type = area % 7 == 0 ? 3 : area % 3 == 0 ? 2 : 1;
            areas << QString::asprintf("%d,%d,%d,%d,0,0,0,0,0,0,0,0,0,0,0,0,Area_%d", type,
                                       area % 5 == 0 && type != 3 ? 2 : 0, area > 1 ? area - 1 : 0,
                                       area < 272 ? area + 1 : 0, area);
        }
        for (int player = 1; player <= 3; ++player)
            areas << QString::asprintf("%d,\"Home %d\"", player * 10, player);
        for (int cell = 0; cell < 70 * 31; ++cell) {
            const char* flag = cell % 8 == 0 ? "-1" : "0";
            hexes << QString::asprintf("%d,%d,%d,1,0,0,1,0,0,%s,%s,%s", cell / 31 + 1,
                                       cell % 31 + 1, std::min(cell / 8 + 1, 272), flag, flag,
                                       flag);
        }
        programFolder.Write("map-area.dat", (areas.join("\r\n") + "\r\n").toLatin1());
        programFolder.Write("map-hex.dat", (hexes.join("\r\n") + "\r\n").toLatin1());
        return programFolder.path();
    }

    /// Starts on the report and the hand-made map drawn as hexagons of 26, which
    /// show units; returns the report's path.
    QString StartOnHexMap(const ReportText& report = {}) {
        DisplaySettings settings;
        settings.HexDisplay = -1, settings.HexSize = 26;
        SaveDisplaySettings(settings, DefaultSettingsPath());
        const QString path = WriteReport(report);
        Start(path, HandMapDir());
        return path;
    }

    /// Answers the next file dialog with `path`, as its Open or Save button does.
    static void AnswerFileDialog(const QString& path) {
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }

    QString WriteReport(const ReportText& report = {}) {
        return reportFolder.Write("plyrdata.3", report.Build());
    }

    frmWinQM& mainWindow() { return program->mainWindow; }
    Turn& turn() { return program->turn; }
    Session& session() { return program->session; }
    QAction* Menu(const char* name) { return mainWindow().menuAction(QString::fromLatin1(name)); }

    std::unique_ptr<Program> program;
    std::vector<Message> messages;
    QStringList questions;
    std::vector<Answer> answers;
    TempFolder recoveryFolder;
    TempFolder reportFolder;
    TempFolder programFolder;
};

}  // namespace qm::test
