#include "io/AtomicWrite.h"

#include <QFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qm {

namespace {

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

PendingFile::PendingFile(QString target) : target_(std::move(target)) {}

PendingFile::~PendingFile() {
    if (!temporary_.isEmpty()) QFile::remove(temporary_);
}

bool PendingFile::Write(const QByteArray& text) {
    if (!temporary_.isEmpty()) QFile::remove(temporary_);
    temporary_.clear();
    // Beside the target, so that the rename stays on one file system.
    QTemporaryFile file(target_ + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open()) return false;
    temporary_ = file.fileName();
    // A temporary file is private to its owner; the saved one is not.
    const QFile::Permissions kept =
        QFile::exists(target_)
            ? QFile::permissions(target_)
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    file.setPermissions(kept);
    if (file.write(text) != text.size() || !file.flush()) return false;
#ifdef Q_OS_UNIX
    // On the disk, not only in the system's cache, before it replaces anything.
    if (::fsync(file.handle()) != 0) return false;
#endif
    file.close();
    return file.error() == QFile::NoError;
}

bool PendingFile::Commit() {
    if (temporary_.isEmpty() || !ReplaceFile(temporary_, target_)) return false;
    temporary_.clear();
    return true;
}

bool ReplaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(NativePath(from), NativePath(to), error);
    return !error;
}

bool WriteFileAtomically(const QString& path, const QByteArray& text) {
    PendingFile file(path);
    return file.Write(text) && file.Commit();
}

}  // namespace qm
