#include "session/RecentReports.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace qm {

namespace {

constexpr QLatin1String kKey{"Recent/Reports"};

}  // namespace

RecentReports::RecentReports(QString settingsPath) : settingsPath_(std::move(settingsPath)) {
    const QSettings settings(settingsPath_, QSettings::IniFormat);
    reports_ = settings.value(kKey).toStringList().mid(0, kMaxReports);
    reports_.removeAll(QString());
}

QString RecentReports::lastFolder() const {
    return reports_.isEmpty() ? QString() : QFileInfo(reports_.front()).absolutePath();
}

void RecentReports::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    reports_.removeAll(absolute);
    reports_.prepend(absolute);
    while (reports_.size() > kMaxReports) reports_.removeLast();
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    QSettings settings(settingsPath_, QSettings::IniFormat);
    settings.setValue(kKey, reports_);
}

QString RecentReports::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/recent.ini");
}

}  // namespace qm
