#include "io/FileNames.h"

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

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    if (file.size() > kMaxInputFileSize) return std::nullopt;
    QByteArray data = file.read(kMaxInputFileSize + 1);
    if (data.size() > kMaxInputFileSize || file.error() != QFile::NoError) return std::nullopt;
    return data;
}

}  // namespace qm
