#include "session/ChangeReport.h"

#include "session/OpenReport.h"
#include "session/Session.h"
#include "state/ConsolePort.h"
#include "state/TurnChanges.h"

#include <QTextStream>

#include <memory>

namespace qm {

namespace {

// Only what stops the opening is worth a line; the missing orders are not.
class LastMessage : public ConsolePort {
public:
    void ShowMessage(const QString& text, MessageIcon) override { last = text; }
    QString last;
};

}  // namespace

int PrintChanges(const QString& oldPath, const QString& newPath, const QString& programDir,
                 QTextStream& out) {
    LastMessage port;
    std::unique_ptr<Session> sessions[2];
    const QString paths[2] = {oldPath, newPath};
    for (int i = 0; i < 2; ++i) {
        sessions[i] = std::make_unique<Session>(port);
        sessions[i]->game.ProgramDir = programDir.endsWith(u'/') ? programDir : programDir + u'/';
        if (OpenReportFile(*sessions[i], paths[i]) == OpenResult::Rejected) {
            ConsolePort(QStringLiteral("zez-qm: ")).ShowMessage(port.last, MessageIcon::None);
            return 2;
        }
    }
    for (const ChangeLine& line : ListChanges(sessions[0]->game, sessions[1]->game))
        out << (line.kind == ChangeKind::Heading ? "" : "  ") << line.text << '\n';
    out.flush();
    return 0;
}

}  // namespace qm
