#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream(stdout) << "Zez-QM: the windows are not built yet; the core library and its tests are.\n";
    return 0;
}
