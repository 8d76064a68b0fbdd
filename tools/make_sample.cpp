// Writes the sample game's reports from our world's map data: every power's
// report of the first turn into <out>/1880-1 and of a mid-game turn into
// <out>/1882-3, as plyrdata.<player>; the same files every time.
//     make_sample <map data folder> <out folder>

#include "sample/CheckReport.h"
#include "sample/ReportWriter.h"
#include "sample/SampleGame.h"

#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

// Every report of the turn is checked before any is written.
bool TurnIsSound(const sample::MasterState& master, const sample::MapFacts& facts,
                 const QString& mapFolder) {
    for (int p = 1; p <= sample::kPowers; ++p) {
        if (sample::FreeSupply(master, facts, p) < 0) {
            std::fprintf(stderr, "make_sample: player %d cannot pay for the units\n", p);
            return false;
        }
        const QString fault =
            sample::CheckReport(master, sample::ReportText(master, facts.map(), p), p, mapFolder);
        if (!fault.isEmpty()) {
            std::fprintf(stderr, "make_sample: player %d's report is broken: %s\n", p,
                         qPrintable(fault));
            return false;
        }
    }
    return true;
}

bool WriteTurn(const sample::MasterState& master, const sample::MapFacts& facts,
               const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    for (int p = 1; p <= sample::kPowers; ++p) {
        QSaveFile file(folder + QStringLiteral("/plyrdata.%1").arg(p));
        if (!file.open(QIODevice::WriteOnly)) return false;
        file.write(sample::ReportText(master, facts.map(), p));
        if (!file.commit()) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample <map data folder> <out folder>\n");
        return 2;
    }
    qm::ConsolePort port(QStringLiteral("make_sample: "));
    qm::Session session(port);
    // The homes of seven powers: the map's home section read for eight players.
    session.game.PlayerCount = sample::kPlayerCount;
    QString data = QString::fromLocal8Bit(argv[1]);
    if (!data.endsWith('/')) data += '/';
    if (!qm::LoadMapData(session.game, session.map, session.port, {data})) return 1;

    const sample::MapFacts facts(session.game);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const sample::MasterState first = sample::FirstTurn(facts);
    const sample::MasterState mid = sample::MidGame(facts);
    if (!TurnIsSound(first, facts, data) || !TurnIsSound(mid, facts, data)) return 1;
    if (!WriteTurn(first, facts, out + "/1880-1") || !WriteTurn(mid, facts, out + "/1882-3")) {
        std::fprintf(stderr, "make_sample: cannot write the reports into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
