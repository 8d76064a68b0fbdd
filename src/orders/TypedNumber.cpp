#include "orders/TypedNumber.h"

#include "io/LeadingNumber.h"

#include <cmath>
#include <limits>

namespace qm {

std::optional<std::int16_t> TypedNumber(const QString& text) {
    const std::optional<double> number = LeadingNumber(QStringView(text).trimmed());
    if (!number) return std::nullopt;
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double value = std::nearbyint(*number);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace qm
