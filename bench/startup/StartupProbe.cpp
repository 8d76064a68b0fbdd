// Start to first painted map: starts the whole program on a report, stops at
// the map view's first paint and prints the time since main() and the peak
// memory. Run it as `/usr/bin/time -v zez-startup REPORT` to add the process
// start to the figure.

#include "ui/MapView.h"
#include "ui/Program.h"
#include "ui/frmMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

class FirstPaint : public QObject {
public:
    qint64 elapsed = -1;
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && elapsed < 0) {
            // Measured once the paint is done, in the next turn of the loop.
            QTimer::singleShot(0, qApp, [this] {
                elapsed = clock_.elapsed();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zez-qm"));
    // The recent-reports list and the settings of the user stay untouched.
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zez-startup REPORT\n");
        return 2;
    }
    qm::Program program;
    // A message box would wait for a hand; the message is printed instead.
    program.port.SetMessageSink([](const QString& text, qm::MessageIcon) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    program.mainWindow.Startup(QApplication::applicationDirPath(), QString::fromLocal8Bit(argv[1]));
    qm::frmMap* map = program.mainWindow.mapWindow();
    if (map == nullptr) return 1;
    FirstPaint watch(clock);
    map->picView()->installEventFilter(&watch);
    app.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first painted map after %lld ms, peak memory %.1f MB\n",
                static_cast<long long>(watch.elapsed),
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return watch.elapsed < 0 ? 1 : 0;
}
