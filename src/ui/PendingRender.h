#pragma once
// Stand-ins for the renderer's map window entry points until they land.

namespace qm {
struct Session;
void LoadMapPicture(Session& session);
void SetViewSize(Session& session, int width, int height);
void NormaliseMapOrigin(Session& session);
}  // namespace qm
