#include "session/CheckReport.h"

#include "files/ReadBack.h"
#include "io/FileNames.h"
#include "orders/TurnCheck.h"
#include "session/OpenReport.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QStringList>
#include <QTextStream>

namespace qm {

namespace {

// Holds the messages of opening, so that a turn that cannot be checked is
// told only why, not first what the opening found on its way.
class HeldMessages : public ConsolePort {
public:
    void ShowMessage(const QString& text, MessageIcon) override { held.append(text); }
    QStringList held;
};

void Tell(const QString& text) {
    ConsolePort(QStringLiteral("zez-qm: ")).ShowMessage(text, MessageIcon::None);
}

}  // namespace

CheckStatus CheckReport(const QString& reportPath, const QString& programDir, QTextStream& out) {
    const SplitPath split = SplitFilePath(reportPath);
    if (!ReadWholeFile(FindFileNoCase(split.directory, split.name))) {
        Tell(QStringLiteral("The report ") + reportPath + QStringLiteral(" cannot be read."));
        return CheckStatus::Unusable;
    }
    HeldMessages port;
    Session session(port);
    session.game.ProgramDir = programDir.endsWith(u'/') ? programDir : programDir + u'/';
    if (OpenReportFile(session, reportPath) != OpenResult::Opened) {
        // The last message says what stopped the opening.
        if (!port.held.isEmpty()) Tell(port.held.constLast());
        return CheckStatus::Unusable;
    }
    for (const QString& text : port.held) Tell(text);
    int count = 0;
    for (const TurnFinding& finding : CheckTurn(session.game)) {
        out << finding.text << '\n';
        ++count;
    }
    if (!CommandsFileExists(session.game)) {
        out << "There is no commands.dat yet: the orders of this turn were never saved.\n";
        ++count;
    } else {
        for (const OrderMismatch& mismatch : CompareCommandsFile(session.game)) {
            out << MismatchLine(mismatch) << '\n';
            ++count;
        }
    }
    out.flush();
    return count == 0 ? CheckStatus::Clean : CheckStatus::Findings;
}

}  // namespace qm
