#pragma once
// Reads the comma-and-line separated item stream shared by reports, the
// working copy of the orders and the map data files.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

class ItemReader {
public:
    enum class Error {
        None,
        EndOfData,   // the stream ended before the item
        NotANumber,  // text where a number belongs
        OutOfRange,  // a number that does not fit in 16 bits
    };

    explicit ItemReader(QByteArray data);

    /// A text item: quoted text up to the closing quote (the rest up to the
    /// separator is skipped), or the text up to the next comma or line end
    /// with surrounding blanks removed.
    std::optional<QString> Text();

    /// A number item: a decimal signed 16-bit integer ending at a blank,
    /// comma or line end. Anything else is an error, never a wrap.
    std::optional<std::int16_t> Number();

    /// True when only blanks and line ends remain.
    bool AtEnd();

    /// The first error met; once set, every further read fails.
    Error error() const { return error_; }
    /// Line (from 1) at which the last item began, for messages.
    int line() const { return itemLine_; }

private:
    bool SkipToItem();
    void SkipSeparator();
    bool Fail(Error error);

    const QByteArray data_;  // const: indexing a mutable array pays a detach check per byte
    qsizetype pos_ = 0;
    int currentLine_ = 1;
    int itemLine_ = 1;
    Error error_ = Error::None;
};

/// Describes a reader error in a few words ("a non-number", ...).
QString DescribeItemError(ItemReader::Error error);

}  // namespace qm
