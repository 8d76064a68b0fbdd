#pragma once
// Temporary folders and files for tests; nothing is written outside them.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace qm::test {

class TempFolder {
public:
    /// The folder's path, ending in a separator.
    QString path() const { return dir_.path() + QLatin1Char('/'); }

    QString Write(const QString& name, const QByteArray& content) const {
        QFile file(path() + name);
        QDir().mkpath(QFileInfo(file).path());
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(content);
        return file.fileName();
    }

    QByteArray Read(const QString& name) const {
        QFile file(path() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool Exists(const QString& name) const { return QFile::exists(path() + name); }

private:
    QTemporaryDir dir_;
};

}  // namespace qm::test
