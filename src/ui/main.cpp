#include "ui/Program.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zez-qm"));
    qm::Program program;
    // One optional argument: the report. Blanks in an unquoted path join back up.
    const QString commandLine = QApplication::arguments().mid(1).join(u' ');
    program.mainWindow.Startup(QApplication::applicationDirPath(), commandLine);
    return app.exec();
}
