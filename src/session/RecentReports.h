#pragma once
// The File menu's last six reports and the folder the open dialog starts in,
// kept for the user between runs in a settings file of their own.

#include <QString>
#include <QStringList>

namespace qm {

class RecentReports {
public:
    static constexpr int kMaxReports = 6;

    /// Reads the list from `settingsPath` (an ini file; missing: empty list).
    explicit RecentReports(QString settingsPath);

    /// The reports, newest first, at most kMaxReports.
    const QStringList& reports() const { return reports_; }
    /// The folder of the report opened last; empty before the first.
    QString lastFolder() const;

    /// Puts `path` first (once), forgets the oldest beyond six and writes the file.
    void Add(const QString& path);

    /// recent.ini beside the display settings.
    static QString DefaultPath();

private:
    QString settingsPath_;
    QStringList reports_;
};

}  // namespace qm
