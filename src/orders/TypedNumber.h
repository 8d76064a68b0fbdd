#pragma once
// Numbers the player types into a field.

#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

/// The leading number of the text, rounded half to even; an empty or
/// non-numeric text reads as 0. Answers nothing for a number beyond 16 bits,
/// which must never wrap.
std::optional<std::int16_t> TypedNumber(const QString& text);

}  // namespace qm
