// Shared main of every test binary: an application object (widgets for the
// window tests), the offscreen platform, and a throw-away config folder so
// that no test touches the user's settings.

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef ZEZ_WIDGETS_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Test mode moves every standard location under the home folder's
    // .qttest; a home of its own keeps test binaries running side by side
    // from sharing one recent-reports list, and away from the user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    TestApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
