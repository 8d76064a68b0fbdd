#pragma once
// Writing a file so that it is either wholly the new text or still wholly the
// old one: the text goes to a temporary file beside the target, is flushed to
// the disk and only then renamed into place.

#include <QByteArray>
#include <QString>

namespace qm {

/// One file on its way to its place. Write() puts the whole text into a
/// temporary file beside the target; Commit() renames it over the target.
/// A file neither committed nor kept is removed when this object goes.
class PendingFile {
public:
    explicit PendingFile(QString target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    /// Writes and flushes the text; false when any of it could not be written.
    bool Write(const QByteArray& text);
    /// Renames the written file over the target; false leaves the target as it was.
    bool Commit();

    const QString& target() const { return target_; }

private:
    QString target_;
    QString temporary_;  // empty when there is nothing to clean up
};

/// Renames from over to, replacing to; false leaves both as they were.
bool ReplaceFile(const QString& from, const QString& to);

/// What keeping a copy of something came to; the later, the more a caller must hear of it.
enum class CopyWrite { Unchanged, Written, Failed };

/// Writes text to path through a temporary file beside it. A failure leaves
/// the old file whole and answers false.
bool WriteFileAtomically(const QString& path, const QByteArray& text);

}  // namespace qm
