#include "session/CheckReport.h"

#include "files/ReadBack.h"
#include "orders/TurnCheck.h"
#include "session/OpenReport.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QTextStream>

namespace qm {

CheckStatus CheckReport(const QString& reportPath, const QString& programDir, QTextStream& out) {
    ConsolePort port(QStringLiteral("zez-qm: "));
    Session session(port);
    session.game.ProgramDir = programDir.endsWith(u'/') ? programDir : programDir + u'/';
    if (OpenReportFile(session, reportPath) != OpenResult::Opened) return CheckStatus::Unusable;
    int count = 0;
    for (const TurnFinding& finding : CheckTurn(session.game)) {
        out << finding.text << '\n';
        ++count;
    }
    for (const OrderMismatch& mismatch : CompareCommandsFile(session.game)) {
        out << MismatchLine(mismatch) << '\n';
        ++count;
    }
    out.flush();
    return count == 0 ? CheckStatus::Clean : CheckStatus::Findings;
}

}  // namespace qm
