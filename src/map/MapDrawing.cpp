#include "map/MapDrawing.h"

#include "state/Session.h"

namespace qm {

void RedrawArea(Session& session, std::int16_t area) {
    if (!session.picture.IsLoaded()) return;
    (void)area;
}

void RefreshView(Session& session) {
    if (!session.picture.IsLoaded()) return;
}

void DrawOrderArrow(Session& session, std::int16_t from, std::int16_t to, const QString& code) {
    if (!session.picture.IsLoaded()) return;
    (void)from;
    (void)to;
    (void)code;
}

}  // namespace qm
