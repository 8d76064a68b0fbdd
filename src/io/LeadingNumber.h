#pragma once
// Numbers in hand-editable settings texts: the longest leading part of a text
// that forms a number, the way the settings file has always been read.

#include <QStringView>

#include <optional>

namespace qm {

/// Decimal ("-12", "13.5", "1E3") or hexadecimal ("&H" digits, an optional
/// trailing "&"). Up to four hex digits without "&" are a signed 16-bit value
/// ("&HFFFF" is -1); with "&" or more digits a signed 32-bit value ("&HFFFF&"
/// is 65535). Blanks before the number are skipped; a text without a number
/// gives 0. Answers nothing for a hex number wider than 32 bits or a decimal
/// one beyond the range of double.
std::optional<double> LeadingNumber(QStringView text);

}  // namespace qm
