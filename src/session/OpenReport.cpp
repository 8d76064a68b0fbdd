#include "session/OpenReport.h"

#include "files/ReportReader.h"
#include "io/FileNames.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/RefreshDisplay.h"

namespace qm {

OpenResult OpenReportFile(Session& session, const QString& fullPath) {
    const SplitPath split = SplitFilePath(fullPath);
    if (!ReadReport(session.game, session.port, split.directory, split.name))
        return OpenResult::Rejected;
    session.game.ReportDir = split.directory;
    const bool mapLoaded = LoadMapData(session.game, session.map, session.port);
    RefreshDisplay(session.game, session.port);
    return mapLoaded ? OpenResult::Opened : OpenResult::NoMap;
}

}  // namespace qm
