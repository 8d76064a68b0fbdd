// Speed of the game's history on the played sample: stepping to another kept
// turn and drawing it at the largest cell size, the change list of two
// turns, and importing the whole sample folder; with the archive's size.

#include "files/ArchivedTurns.h"
#include "files/TurnImport.h"
#include "map/BoardPicture.h"
#include "map/DisplaySettings.h"
#include "session/OpenReport.h"
#include "session/Session.h"
#include "session/Turn.h"
#include "state/ConsolePort.h"
#include "state/TurnChanges.h"

#include <benchmark/benchmark.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

using namespace qm;

const QString kSampleFolder = QStringLiteral(ZEZ_DATA_DIR "/sample/");

// The sample's last turn opened with its whole history at hand, from a copy
// of the sample so that nothing is written into data/.
struct History {
    QTemporaryDir folder;
    ConsolePort port{QString(), true};
    Session session{port};
    std::unique_ptr<Turn> turn;

    bool Open() {
        QDirIterator files(kSampleFolder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to =
                folder.path() + "/sample/" + QDir(kSampleFolder).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        session.archiveFolder = folder.path() + "/archive/";
        session.game.ProgramDir = QStringLiteral(ZEZ_DATA_DIR "/");
        turn = std::make_unique<Turn>(session, folder.path() + "/recent.ini");
        return turn->Open(folder.path() + "/sample/1882-3/plyrdata.2", OpenedFrom::CommandLine) &&
               turn->PlayedTurns().size() > 1;
    }
};

void StepToAnotherTurnAndDraw(benchmark::State& state) {
    History history;
    if (!history.Open()) return state.SkipWithError("no played sample in data/sample/");
    MapState& map = history.session.map;
    map.display.HexDisplay = state.range(0) != 0 ? -1 : 0;
    map.display.HexSize = MaxHexSize(map.display.HexDisplay);
    int step = -1;
    for (auto _ : state) {
        history.turn->StepHistory(step);
        LoadMapPicture(history.session.game, map, history.port);
        step = -step;
    }
}
// Hexagons of 30 pixels and squares of 36, the largest of each.
BENCHMARK(StepToAnotherTurnAndDraw)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void ChangeListOfTwoTurns(benchmark::State& state) {
    History history;
    if (!history.Open()) return state.SkipWithError("no played sample in data/sample/");
    const auto before = LoadArchivedTurn(history.session.archiveFolder, history.session.game,
                                         *history.turn->PreviousTurn());
    for (auto _ : state) benchmark::DoNotOptimize(ListChanges(*before, history.session.game));
}
BENCHMARK(ChangeListOfTwoTurns)->Unit(benchmark::kMicrosecond);

void ImportTheSampleFolder(benchmark::State& state) {
    History history;
    if (!history.Open()) return state.SkipWithError("no played sample in data/sample/");
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir archive;
        state.ResumeTiming();
        ImportTurns(archive.path() + '/', history.session.game, kSampleFolder);
        state.PauseTiming();
        bytes = 0;
        QDirIterator kept(archive.path(), QDir::Files, QDirIterator::Subdirectories);
        while (kept.hasNext()) bytes += QFileInfo(kept.next()).size();
        state.ResumeTiming();
    }
    // What the whole sample costs the player's disk, every player's reports included.
    state.counters["archive_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(ImportTheSampleFolder)->Unit(benchmark::kMillisecond);

}  // namespace
