#include "io/ItemReader.h"

#include <utility>

namespace qm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

ItemReader::ItemReader(QByteArray data) : data_(std::move(data)) {}

bool ItemReader::Fail(Error error) {
    if (error_ == Error::None) error_ = error;
    return false;
}

bool ItemReader::SkipToItem() {
    if (error_ != Error::None) return false;
    while (pos_ < data_.size() && (IsBlank(data_[pos_]) || IsLineEnd(data_[pos_]))) {
        if (data_[pos_] == '\n') ++currentLine_;
        ++pos_;
    }
    itemLine_ = currentLine_;
    if (pos_ >= data_.size()) return Fail(Error::EndOfData);
    return true;
}

// Consumes one comma or one line end (CR LF, LF or a lone CR) after an item.
void ItemReader::SkipSeparator() {
    if (pos_ >= data_.size()) return;
    const char c = data_[pos_];
    if (c == ',') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
        ++currentLine_;
    } else if (c == '\n') {
        ++pos_;
        ++currentLine_;
    }
}

bool ItemReader::AtEnd() {
    if (error_ != Error::None) return true;
    qsizetype p = pos_;
    while (p < data_.size() && (IsBlank(data_[p]) || IsLineEnd(data_[p]))) ++p;
    return p >= data_.size();
}

std::optional<QString> ItemReader::Text() {
    if (!SkipToItem()) return std::nullopt;
    QString text;
    if (data_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        qsizetype close = data_.indexOf('"', start);
        if (close < 0) close = data_.size();
        // A quoted text may not run over a line end into the next record.
        for (qsizetype p = start; p < close; ++p) {
            if (IsLineEnd(data_[p])) {
                close = p;
                break;
            }
        }
        text = QString::fromLatin1(data_.constData() + start, close - start);
        pos_ = close < data_.size() && data_[close] == '"' ? close + 1 : close;
        while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
        text = QString::fromLatin1(data_.constData() + start, pos_ - start).trimmed();
    }
    SkipSeparator();
    return text;
}

std::optional<std::int16_t> ItemReader::Number() {
    if (!SkipToItem()) return std::nullopt;
    const qsizetype start = pos_;
    while (pos_ < data_.size() && !IsBlank(data_[pos_]) && data_[pos_] != ',' &&
           !IsLineEnd(data_[pos_]))
        ++pos_;
    const qsizetype end = pos_;
    while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
    SkipSeparator();

    qsizetype p = start;
    bool negative = false;
    if (p < end && (data_[p] == '-' || data_[p] == '+')) negative = data_[p++] == '-';
    if (p == end) {
        Fail(Error::NotANumber);
        return std::nullopt;
    }
    long value = 0;
    for (; p < end; ++p) {
        const char c = data_[p];
        if (c < '0' || c > '9') {
            Fail(Error::NotANumber);
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 32768) {  // stop before a long digit string can overflow
            Fail(Error::OutOfRange);
            return std::nullopt;
        }
    }
    if (negative) value = -value;
    if (value > 32767) {
        Fail(Error::OutOfRange);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

QString DescribeItemError(ItemReader::Error error) {
    switch (error) {
        case ItemReader::Error::None:
            return QStringLiteral("no error");
        case ItemReader::Error::EndOfData:
            return QStringLiteral("the file ends early");
        case ItemReader::Error::NotANumber:
            return QStringLiteral("text where a number belongs");
        case ItemReader::Error::OutOfRange:
            return QStringLiteral("a number out of range");
    }
    return {};
}

}  // namespace qm
