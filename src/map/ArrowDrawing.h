#pragma once
// Order arrows on the view, for RefreshView's many arrows under one painter.

#include <QString>

#include <cstdint>

class QPainter;

namespace qm {

struct Session;

/// DrawOrderArrow without telling the windows, with a painter already on picView.
void PaintOrderArrow(Session& session, QPainter& painter, std::int16_t from, std::int16_t to,
                     const QString& code);

}  // namespace qm
