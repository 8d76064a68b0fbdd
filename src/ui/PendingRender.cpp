#include "ui/PendingRender.h"

#include "state/Session.h"

namespace qm {

void LoadMapPicture(Session& session) {
    BuildGeometryTables(session);
    session.picture.ArrowTable.clear();
    session.picture.picMap = QImage(session.geometry.MapWidth(), session.geometry.MapPixelHeight(),
                                    QImage::Format_RGB32);
    session.picture.picMap.fill(Qt::white);
}

void SetViewSize(Session& session, int width, int height) {
    session.picture.picView = QImage(width, height, QImage::Format_RGB32);
}

void NormaliseMapOrigin(Session& session) {
    DisplaySettings& d = session.display;
    const int w = session.geometry.MapWidth();
    const int h = session.geometry.MapPixelHeight();
    int x = d.MapX, y = d.MapY;
    while (x > 0) x -= w;
    while (x + w < 0) x += w;
    if (y > 0) y = 0;
    if (h + y < session.picture.picView.height()) y = session.picture.picView.height() - h;
    d.MapX = static_cast<std::int16_t>(x);
    d.MapY = static_cast<std::int16_t>(y);
}

}  // namespace qm
