#pragma once
// A sectioned settings file ("[Section]" lines and "Key=Value" lines) read and
// written key by key. Section and key names match without regard to case; a
// write replaces one key and keeps every other line byte for byte.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace qm {

class IniFile {
public:
    /// Reads the file. A missing file reads as empty; a file that cannot be
    /// read or is far too large to be a settings file answers false and
    /// leaves this object empty.
    bool Load(const QString& path);

    /// Takes the lines of a settings file's content; any bytes are accepted.
    void Parse(const QByteArray& content);

    /// The value text of a key (blanks around it removed, at most 100
    /// characters); nothing when the section or key is missing.
    std::optional<QString> Value(const QString& section, const QString& key) const;

    /// Replaces the key's line, or adds the key at the end of its section,
    /// or adds the section at the end of the file.
    void SetValue(const QString& section, const QString& key, const QString& value);

    /// Writes the file through a temporary file renamed over the old one, so
    /// a failed save leaves the old file whole. Creates the folder if needed.
    bool Save(const QString& path) const;

    QByteArray Content() const;

private:
    struct Line {
        QByteArray text;    // without its line end
        QByteArray ending;  // "\r\n", "\n" or "" for a last line without one
    };
    struct Found {
        int sectionLine = -1;  // the section's header, -1 when missing
        int keyLine = -1;      // the key's line, -1 when missing
        int lastLine = -1;     // the section's last line that is not blank
    };
    Found Find(const QString& section, const QString& key) const;

    std::vector<Line> lines_;
};

}  // namespace qm
