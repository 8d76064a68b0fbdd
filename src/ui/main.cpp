#include "ui/Program.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
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
