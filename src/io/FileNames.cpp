#include "io/FileNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

SplitPath SplitFilePath(const QString& fullPath) {
    const qsizetype cut = std::max(fullPath.lastIndexOf(u'/'), fullPath.lastIndexOf(u'\\'));
    if (cut < 0) return {QString(), fullPath};
    return {fullPath.left(cut + 1), fullPath.mid(cut + 1)};
}

QString FindFileNoCase(const QString& directory, const QString& name) {
    const QString exact = directory + name;
    if (QFileInfo::exists(exact)) return exact;
    const QDir dir(directory.isEmpty() ? QStringLiteral(".") : directory);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return directory + entry;
    }
    return exact;
}

QString FindNewestNoCase(const QString& directory, const QString& name) {
    const QDir dir(directory.isEmpty() ? QStringLiteral(".") : directory);
    QString newest;
    QDateTime newestTime;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.fileName().compare(name, Qt::CaseInsensitive) != 0) continue;
        const QDateTime time = entry.lastModified();
        if (newest.isEmpty() || time > newestTime) {
            newest = directory + entry.fileName();
            newestTime = time;
        }
    }
    return newest.isEmpty() ? directory + name : newest;
}

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    if (size > limit) return std::nullopt;
    // Read by the size the file has, not by the limit: a buffer of the limit's
    // size costs more than reading a small file does.
    QByteArray data(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < data.size()) {
        const qint64 got = file.read(data.data() + filled, data.size() - filled);
        if (got <= 0) break;
        filled += static_cast<qsizetype>(got);
    }
    data.truncate(filled);
    // A file that grew since its size was asked (or reports none) is read on in
    // small steps, the limit still holding.
    char chunk[4096];
    for (qint64 got; (got = file.read(chunk, sizeof chunk)) > 0;) {
        if (data.size() + got > limit) return std::nullopt;
        data.append(chunk, static_cast<qsizetype>(got));
    }
    if (file.error() != QFile::NoError) return std::nullopt;
    return data;
}

}  // namespace qm
