#pragma once
// How numbers are written into messages, titles and list lines.

#include <QString>

namespace qm {

/// A number with its sign place: one leading blank unless it is negative
/// ("Area " + SignPlace(7) reads "Area  7").
inline QString SignPlace(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

}  // namespace qm
