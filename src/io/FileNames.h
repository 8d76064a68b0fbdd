#pragma once
// File names as the player's files use them: matched without regard to case,
// split into a directory (ending in a separator) and a name.

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm {

struct SplitPath {
    QString directory;  // empty or ending in a separator
    QString name;
};

/// Splits at the last "/" or "\" (both are accepted).
SplitPath SplitFilePath(const QString& fullPath);

/// directory + name if that file exists; else the first entry of directory
/// whose name equals name without regard to case; else directory + name.
QString FindFileNoCase(const QString& directory, const QString& name);

/// Largest file any reader takes in; a report or map file is a few tens of kilobytes.
inline constexpr qint64 kMaxInputFileSize = 16 * 1024 * 1024;

/// Among the files of directory whose names equal name without regard to case,
/// the one written last; directory + name when there is none. A program that
/// both writes and reads through this keeps to the copy it wrote.
QString FindNewestNoCase(const QString& directory, const QString& name);

/// The whole file, or nothing when it is missing, unreadable or larger than limit.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit = kMaxInputFileSize);

}  // namespace qm
