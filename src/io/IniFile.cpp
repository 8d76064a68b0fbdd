#include "io/IniFile.h"

#include "io/AtomicWrite.h"
#include "io/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

namespace {

// A settings file is a few kilobytes; anything this large is something else.
constexpr qint64 kMaxFileSize = 1 << 20;
constexpr int kMaxValueLength = 100;
const QByteArray kNewLine = QByteArrayLiteral("\r\n");

// The name of a "[Section]" line; nothing for any other line.
std::optional<QString> SectionName(const QByteArray& text) {
    const QByteArray trimmed = text.trimmed();
    if (!trimmed.startsWith('[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    const QByteArray name = close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1);
    return QString::fromLatin1(name.trimmed());
}

bool IsKeyLine(const QByteArray& text, const QString& key) {
    const qsizetype equals = text.indexOf('=');
    if (equals < 0) return false;
    const QByteArray trimmed = text.trimmed();
    if (trimmed.startsWith(';')) return false;
    return QString::fromLatin1(text.left(equals).trimmed()).compare(key, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IniFile::Load(const QString& path) {
    lines_.clear();
    if (!QFile::exists(path)) return true;
    const std::optional<QByteArray> content = ReadWholeFile(path, kMaxFileSize);
    if (!content) return false;
    Parse(*content);
    return true;
}

void IniFile::Parse(const QByteArray& content) {
    lines_.clear();
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype lineFeed = content.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? content.size() : lineFeed;
        Line line;
        line.text = content.mid(start, end - start);
        if (lineFeed >= 0) {
            line.ending = "\n";
            if (line.text.endsWith('\r')) {
                line.text.chop(1);
                line.ending = kNewLine;
            }
        }
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

IniFile::Found IniFile::Find(const QString& section, const QString& key) const {
    Found found;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        QByteArray text = lines_[static_cast<std::size_t>(i)].text;
        // Editors may start the file with a byte order mark; it is kept, not read.
        if (i == 0 && text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
        const std::optional<QString> name = SectionName(text);
        if (name) {
            // A repeated section is not read; the first one counts.
            if (found.sectionLine >= 0) {
                if (inSection) break;
                continue;
            }
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) found.sectionLine = found.lastLine = i;
            continue;
        }
        if (!inSection) continue;
        if (!text.trimmed().isEmpty()) found.lastLine = i;
        if (found.keyLine < 0 && IsKeyLine(text, key)) found.keyLine = i;
    }
    return found;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    const Found found = Find(section, key);
    if (found.keyLine < 0) return std::nullopt;
    const QByteArray& text = lines_[static_cast<std::size_t>(found.keyLine)].text;
    QByteArray value = text.mid(text.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
        value = value.mid(1, value.size() - 2);
    }
    return QString::fromLatin1(value.left(kMaxValueLength));
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray keyLine = key.toLatin1() + '=' + value.toLatin1();
    const Found found = Find(section, key);
    if (found.keyLine >= 0) {
        lines_[static_cast<std::size_t>(found.keyLine)].text = keyLine;
        return;
    }
    if (!lines_.empty() && lines_.back().ending.isEmpty()) lines_.back().ending = kNewLine;
    if (found.sectionLine < 0) {
        lines_.push_back({'[' + section.toLatin1() + ']', kNewLine});
        lines_.push_back({keyLine, kNewLine});
        return;
    }
    auto& after = lines_[static_cast<std::size_t>(found.lastLine)];
    if (after.ending.isEmpty()) after.ending = kNewLine;
    lines_.insert(lines_.begin() + found.lastLine + 1, Line{keyLine, kNewLine});
}

QByteArray IniFile::Content() const {
    QByteArray content;
    for (const Line& line : lines_) content += line.text + line.ending;
    return content;
}

bool IniFile::Save(const QString& path) const {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) return false;
    return WriteFileAtomically(path, Content());
}

}  // namespace qm
