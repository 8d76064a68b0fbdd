// Shared main of every test binary: an application object (widgets for the
// window tests), the offscreen platform, and a throw-away config folder so
// that no test touches the user's settings.

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#ifdef ZEZ_WIDGETS_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    TestApplication app(argc, argv);
    // Qt honours XDG_CONFIG_HOME on Linux only; test mode moves every standard
    // location away from the user's on every platform.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
