// The program's command line, run as a player or a script runs it.

#include "files/SaveOrders.h"
#include "session/OpenReport.h"
#include "session/Session.h"
#include "state/ConsolePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace qm {
namespace {

struct Outcome {
    int status;
    QString output, errors;
};

const QString kProgram = QStringLiteral(ZEZ_BIN_DIR "/zez-qm");

Outcome RunProgram(
    const QStringList& arguments, const QString& program = kProgram,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

Outcome Check(const QString& report, const QString& program = kProgram) {
    return RunProgram({QStringLiteral("--check"), report}, program);
}

TEST(CommandLine, HelpVersionAndAMistypedOptionNeedNoDisplay) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert("QT_QPA_PLATFORM", "no-such-platform");  // a window run stops at once
    const Outcome help = RunProgram({"--help"}, kProgram, noDisplay);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.errors, "");
    EXPECT_EQ(help.output,
              "Usage: zez-qm [--map-author] [REPORT]\n"
              "       zez-qm --check REPORT\n"
              "       zez-qm --changes OLD NEW\n"
              "       zez-qm --help | --version\n"
              "Opens REPORT, a player report (plyrdata.N), for order entry.\n"
              "  --map-author       also offer the Area Data menu, the map's editor\n"
              "  --check REPORT     check the turn's orders without windows; exit status\n"
              "                     0 nothing found, 1 findings, 2 the report cannot be used\n"
              "  --changes OLD NEW  list what changed from report OLD to NEW; 0, or 2\n"
              "  --help             print this help\n"
              "  --version          print the version\n");
    // The version of the package, which the project's build names.
    const Outcome version = RunProgram({"--map-author", "--version"}, kProgram, noDisplay);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "Zez-QM " ZEZ_PROJECT_VERSION "\n");
    // --map-author is an option of the window run, not a mistake.
    const Outcome mistyped =
        RunProgram({"--map-author", "--chek", "plyrdata.2"}, kProgram, noDisplay);
    EXPECT_EQ(mistyped.status, 2);
    EXPECT_EQ(mistyped.output, "");
    EXPECT_EQ(mistyped.errors,
              "zez-qm: unknown option --chek\nTry 'zez-qm --help' for the options.\n");
}

TEST(CommandLine, AnInstalledProgramFindsItsMapDataFromAnyFolder) {
    test::TempFolder root;
    const QString share = root.path() + "share/zez-qm/";
    ASSERT_TRUE(QDir().mkpath(root.path() + "bin") && QDir().mkpath(share));
    ASSERT_TRUE(QFile::copy(kProgram, root.path() + "bin/zez-qm"));
    for (const char* name : {"map-area.dat", "map-hex.dat"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZEZ_BIN_DIR "/") + name, share + name));
    const QString sample = QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/plyrdata.2");
    QProcess process;
    process.setWorkingDirectory(QDir::tempPath());
    process.start(root.path() + "bin/zez-qm", {"--check", sample});
    ASSERT_TRUE(process.waitForFinished(60000));
    // The sample's last turn is yet to be played; without the map data it would be 2.
    EXPECT_EQ(process.exitCode(), 1) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().endsWith(
        "There is no commands.dat yet: the orders of this turn were never saved.\n"));
}

TEST(CommandLine, ChangesListsWhatTheLaterReportShowsOtherwise) {
    const QString sample = QStringLiteral(ZEZ_DATA_DIR "/sample/");
    const Outcome changes =
        RunProgram({"--changes", sample + "1882-2/plyrdata.2", sample + "1882-3/plyrdata.2"});
    EXPECT_EQ(changes.status, 0);
    EXPECT_TRUE(
        changes.output.startsWith("Areas that changed hands\n  137 Ravigard: NEUT to VESK\n"
                                  "  167 Eskazar: NEUT to VESK\nTotals, then and now\n"
                                  "  Armies: 3 then, 3 now\n"));
    EXPECT_EQ(RunProgram({"--changes", sample + "1882-2/plyrdata.2", sample + "none"}).status, 2);
}

TEST(CommandLine, CheckFindsMissingAndChangedOrdersAndExitsWithZeroOnlyWhenClean) {
    test::TempFolder folder;
    test::ReportText report;
    report.areas = {{7, 3, 0, 0}, {8, 1, 1, 1}};  // no units of our own: nothing to order
    const QString path = folder.Write("plyrdata.3", report.Build());
    const Outcome unsaved = Check(path);
    EXPECT_EQ(unsaved.output,
              "There is no commands.dat yet: the orders of this turn were never saved.\n");
    EXPECT_EQ(unsaved.status, 1);
    const Outcome missing = Check(folder.path() + "nothing.3");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.errors,
              "zez-qm: The report " + folder.path() + "nothing.3 cannot be read.\n");

    ConsolePort port({}, true);
    Session session(port);
    session.game.ProgramDir = QStringLiteral(ZEZ_BIN_DIR "/");
    ASSERT_EQ(OpenReportFile(session, path), OpenResult::Opened);
    ASSERT_TRUE(SaveOrders(session.game, port));
    EXPECT_EQ(Check(path).status, 0);

    folder.Write("commands.dat",
                 folder.Read("commands.dat").replace("KVOEND\r\n", "DW  2 \r\nKVOEND\r\n"));
    const Outcome changed = Check(path);
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.output, "screen: KVOEND   file: DW 2\nscreen: (nothing)   file: KVOEND\n");
}

TEST(CommandLine, CheckOfAnUnusableTurnSaysOnlyWhy) {
    test::TempFolder folder, program;
    const QString path = folder.Write("plyrdata.3", test::ReportText{}.Build());
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZEZ_BIN_DIR "/zez-qm"), program.path() + "zez-qm"));
    program.Write("map-area.dat", "not a map\r\n");  // found first, and damaged
    const Outcome run = Check(path, program.path() + "zez-qm");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.startsWith("zez-qm: ")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("map-area.dat")) << run.errors.toStdString();
}

}  // namespace
}  // namespace qm
