#include "session/ChangeReport.h"
#include "session/CheckReport.h"
#include "ui/Program.h"
#include "ui/Version.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

constexpr char kMapAuthor[] = "--map-author";

constexpr char kUsage[] =
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
    "  --version          print the version\n";

// --help, --version and a mistyped option are answered before any display is
// needed; the answer is the exit status, or nothing for a window run.
std::optional<int> AnswerOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option == "--version") {
            std::printf("Zez-QM %s\n", qPrintable(qm::VersionNumber()));
            return 0;
        }
        if (option.starts_with("--") && option != kMapAuthor) {
            std::fprintf(stderr,
                         "zez-qm: unknown option %s\nTry 'zez-qm --help' for the options.\n",
                         argv[i]);
            return 2;
        }
    }
    return std::nullopt;
}

// `zez-qm --check REPORT`: no windows, so no display is needed either.
int RunCheck(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: zez-qm --check REPORT\n");
        return static_cast<int>(qm::CheckStatus::Unusable);
    }
    QTextStream out(stdout);
    return static_cast<int>(
        qm::CheckReport(arguments[2], QCoreApplication::applicationDirPath(), out));
}

// `zez-qm --changes OLD NEW`: the change list, for scripts.
int RunChanges(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: zez-qm --changes OLD NEW\n");
        return 2;
    }
    QTextStream out(stdout);
    return qm::PrintChanges(arguments[2], arguments[3], QCoreApplication::applicationDirPath(),
                            out);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) return RunCheck(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--changes") == 0) return RunChanges(argc, argv);
    if (const std::optional<int> status = AnswerOptions(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zez-qm"));
    qm::Program program;
    // One optional argument: the report. Blanks in an unquoted path join back up.
    // --map-author switches on the Area Data menu (the hex editor's commands).
    QStringList arguments = QApplication::arguments().mid(1);
    const bool mapAuthor = arguments.removeAll(QLatin1String(kMapAuthor)) > 0;
    program.mainWindow.EnableAreaData(mapAuthor);
    program.mainWindow.Startup(QApplication::applicationDirPath(), arguments.join(u' '));
    return app.exec();
}
