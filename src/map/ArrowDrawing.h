#pragma once
// Order arrows on the view, for RefreshView, which tells the windows once for all.

#include <QString>

#include <cstdint>

namespace qm {

struct Session;

/// DrawOrderArrow without telling the windows.
void PaintOrderArrow(Session& session, std::int16_t from, std::int16_t to, const QString& code);

}  // namespace qm
