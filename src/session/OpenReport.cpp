#include "session/OpenReport.h"

#include "files/ReportReader.h"
#include "io/FileNames.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"

namespace qm {

OpenResult OpenReportFile(Session& session, const QString& fullPath) {
    const SplitPath split = SplitFilePath(fullPath);
    // A report starts from nothing: no order, list order or unit of a game
    // loaded before may outlive it, its own working copy alone gives orders.
    GameState opened;
    opened.ProgramDir = session.game.ProgramDir;
    if (!ReadReport(opened, session.port, split.directory, split.name)) return OpenResult::Rejected;
    opened.ReportDir = split.directory;
    MarkOrdersKept(opened);
    opened.Revision.recovered = opened.Revision.current;
    session.game = std::move(opened);
    session.interaction = Interaction();
    session.spies = SpyTargets();
    const bool mapLoaded = LoadMapData(session.game, session.map, session.port);
    RefreshDisplay(session.game, session.port);
    return mapLoaded ? OpenResult::Opened : OpenResult::NoMap;
}

}  // namespace qm
