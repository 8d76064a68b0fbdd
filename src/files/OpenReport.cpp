#include "files/OpenReport.h"

#include "files/FileNames.h"
#include "files/ReportReader.h"
#include "map/MapDataFiles.h"
#include "state/RefreshDisplay.h"
#include "state/Session.h"

namespace qm {

OpenResult OpenReportFile(Session& session, const QString& fullPath) {
    const SplitPath split = SplitFilePath(fullPath);
    if (!ReadReport(session, split.directory, split.name)) return OpenResult::Rejected;
    session.game.ReportDir = split.directory;
    const bool mapLoaded = LoadMapData(session);
    RefreshDisplay(session);
    return mapLoaded ? OpenResult::Opened : OpenResult::NoMap;
}

}  // namespace qm
