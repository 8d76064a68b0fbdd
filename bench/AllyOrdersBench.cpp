// Speed of showing an ally's orders on the sample's last turn: reading
// Ormanth's orders file and its working copy, finding whose they are, and
// drawing the full-screen view with their arrows, at the largest hexagons.

#include "files/ReportReader.h"
#include "map/BoardPicture.h"
#include "map/LoadMapData.h"
#include "session/AllyOrders.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qm;

void ShowTheSampleAllysOrders(benchmark::State& state) {
    const QString turn = QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/");
    ConsolePort port{QString(), true};
    Session session{port};
    if (!ReadReport(session.game, port, turn, QStringLiteral("plyrdata.2")) ||
        !LoadMapData(session.game, session.map, port, {QStringLiteral(ZEZ_DATA_DIR "/")}))
        return state.SkipWithError("no sample game in data/sample/1882-3/");
    session.map.display.HexSize = kMaxHexSizeHex;
    session.map.display.HexDisplay = -1;
    LoadMapPicture(session.game, session.map, port);
    SetViewSize(session.map, 1920, 1080);
    const QString orders = turn + QStringLiteral("player3/commands.dat");
    for (auto _ : state)
        if (!ShowAllyOrders(session, orders)) return state.SkipWithError("the orders are refused");
}
BENCHMARK(ShowTheSampleAllysOrders)->Unit(benchmark::kMillisecond);

}  // namespace
