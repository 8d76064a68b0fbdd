#include "session/ChangeReport.h"
#include "session/CheckReport.h"
#include "ui/Program.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zez-qm"));
    qm::Program program;
    // One optional argument: the report. Blanks in an unquoted path join back up.
    // --map-author switches on the Area Data menu (the hex editor's commands).
    QStringList arguments = QApplication::arguments().mid(1);
    const bool mapAuthor = arguments.removeAll(QStringLiteral("--map-author")) > 0;
    program.mainWindow.EnableAreaData(mapAuthor);
    program.mainWindow.Startup(QApplication::applicationDirPath(), arguments.join(u' '));
    return app.exec();
}
