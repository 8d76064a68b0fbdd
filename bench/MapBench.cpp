// Speed of the map picture: reading a turn, drawing the board, redrawing one
// area, refreshing a full-screen view with many arrows, and the plain copy of
// a full-screen picture that no refresh can beat.

#include "files/ReportMerge.h"
#include "files/ReportReader.h"
#include "map/BoardPicture.h"
#include "map/CellDrawing.h"
#include "map/LoadMapData.h"
#include "map/ResizeView.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstring>
#include <memory>

namespace {

using namespace qm;

const QString kDataDir = QStringLiteral(ZEZ_DATA_DIR "/");
const QString kSampleDir = kDataDir + QStringLiteral("sample/1882-3/");
const QString kSampleReport = QStringLiteral("plyrdata.2");

struct Loaded {
    ConsolePort port{QString(), true};
    Session session{port};
};

// Every area with a unit cell gets a unit of a player not its owner, so every
// cell draws all it can: the slowest board there is.
void FillEveryUnit(Session& session) {
    session.game.PlayerCount = 13;
    for (int number = 1; number <= kLastArea; ++number) {
        AreaRecord& area = session.game.area(number);
        area.Owner = static_cast<std::int16_t>(area.AreaType == kWater ? 0 : number % 12 + 1);
        area.UnitType = static_cast<std::int16_t>(area.AreaType == kWater ? kFleet : kArmy);
        area.UnitOwner = static_cast<std::int16_t>(number % 12 + 1);
    }
}

// The sample game on our world; without the sample report, the world with a
// unit everywhere. Nothing when there is no world.
std::unique_ptr<Loaded> LoadSample() {
    auto loaded = std::make_unique<Loaded>();
    Session& session = loaded->session;
    if (QFileInfo::exists(kSampleDir + kSampleReport)) {
        if (!ReadReport(session.game, session.port, kSampleDir, kSampleReport)) return nullptr;
    } else {
        session.game.PlayerCount = 13;
    }
    if (!LoadMapData(session.game, session.map, session.port, {kDataDir})) return nullptr;
    if (!QFileInfo::exists(kSampleDir + kSampleReport)) FillEveryUnit(session);
    return loaded;
}

std::unique_ptr<Loaded> LoadPicture(benchmark::State& state, std::int16_t size, bool hexagons,
                                    int scale = 1) {
    auto loaded = LoadSample();
    if (!loaded) {
        state.SkipWithError("no map data in data/");
        return nullptr;
    }
    loaded->session.map.display.HexSize = size;
    loaded->session.map.display.HexDisplay = hexagons ? -1 : 0;
    SetMapScale(loaded->session.map, scale);
    LoadMapPicture(loaded->session.game, loaded->session.map, loaded->session.port);
    return loaded;
}

void ReadReportAndMapData(benchmark::State& state) {
    if (!QFileInfo::exists(kSampleDir + kSampleReport)) {
        state.SkipWithError("no sample game in data/sample/1882-3/");
        return;
    }
    for (auto _ : state) {
        Loaded loaded;
        benchmark::DoNotOptimize(
            ReadReport(loaded.session.game, loaded.session.port, kSampleDir, kSampleReport));
        benchmark::DoNotOptimize(
            LoadMapData(loaded.session.game, loaded.session.map, loaded.session.port, {kDataDir}));
    }
}
BENCHMARK(ReadReportAndMapData)->Unit(benchmark::kMillisecond);

void RedrawWholeMapAt(benchmark::State& state) {
    const auto size = static_cast<std::int16_t>(state.range(0));
    const bool hexagons = state.range(1) != 0;
    auto loaded = LoadPicture(state, size, hexagons, static_cast<int>(state.range(2)));
    if (!loaded) return;
    for (auto _ : state)
        RedrawWholeMap(loaded->session.game, loaded->session.map, loaded->session.port);
    state.SetLabel(QStringLiteral("%1 %2, %3 x %4")
                       .arg(hexagons ? "hex" : "square")
                       .arg(size)
                       .arg(loaded->session.map.picture.picMap.width())
                       .arg(loaded->session.map.picture.picMap.height())
                       .toStdString());
}
// Size, hexagons, scale (2: a dense screen).
BENCHMARK(RedrawWholeMapAt)
    ->Args({30, 1, 1})
    ->Args({36, 0, 1})
    ->Args({26, 0, 1})
    ->Args({30, 1, 2})
    ->Args({36, 0, 2})
    ->Unit(benchmark::kMillisecond);

void RedrawLargeArea(benchmark::State& state) {
    auto loaded = LoadPicture(state, 30, true);
    if (!loaded) return;
    Session& session = loaded->session;
    // The area with the most cells.
    int largest = 1, most = 0;
    for (int area = 1; area <= kLastArea; ++area) {
        int cells = 0;
        for (int column = 1; column <= kColumns; ++column) {
            for (int row = 1; row <= kRows; ++row)
                cells += session.map.hexes.at(column, row).Area == area;
        }
        if (cells > most) most = cells, largest = area;
    }
    for (auto _ : state) RedrawArea(session.game, session.map, static_cast<std::int16_t>(largest));
    state.SetLabel(QStringLiteral("area %1, %2 cells").arg(largest).arg(most).toStdString());
}
BENCHMARK(RedrawLargeArea)->Unit(benchmark::kMicrosecond);

// 150 moves spread over the board, a full-screen view, the arrows drawn once.
int OrdersOnAFullScreen(Session& session, int scale) {
    int orders = 0;
    for (int area = 1; area <= kLastArea && orders < 150; ++area) {
        AreaRecord& record = session.game.area(area);
        if (record.Neighbours[1] < 1) continue;
        record.Command = QStringLiteral("MO");
        record.Parm1 = record.Neighbours[1];
        ++orders;
    }
    SetViewSize(session.map, 1920 * scale, 1080 * scale);
    RefreshView(session.game, session.map, session.port);
    return orders;
}

void RefreshFullScreenView(benchmark::State& state) {
    const auto scale = static_cast<int>(state.range(0));
    auto loaded = LoadPicture(state, 30, true, scale);
    if (!loaded) return;
    Session& session = loaded->session;
    const int orders = OrdersOnAFullScreen(session, scale);  // the arrow layer exists from here on
    session.map.display.MapX = static_cast<std::int16_t>(-400 * scale);
    session.map.display.MapY = static_cast<std::int16_t>(-200 * scale);
    for (auto _ : state) RefreshView(session.game, session.map, session.port);
    state.SetLabel(QStringLiteral("%1 arrows").arg(orders).toStdString());
}
BENCHMARK(RefreshFullScreenView)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Hexagons of 30 to squares of 36 and back: geometry, whole redraw, arrows and view.
void ToggleHexDisplayLargest(benchmark::State& state) {
    auto loaded = LoadPicture(state, 30, true);
    if (!loaded) return;
    Session& session = loaded->session;
    OrdersOnAFullScreen(session, 1);
    for (auto _ : state)
        ToggleHexDisplay(session.game, session.map, session.port, QSize(1920, 1080));
    state.SetLabel("one toggle");
}
BENCHMARK(ToggleHexDisplayLargest)->Unit(benchmark::kMillisecond);

// One zoom step at the top of each mode's range, keeping the centre.
void ZoomLargest(benchmark::State& state) {
    const bool hexagons = state.range(0) != 0;
    const std::int16_t top = hexagons ? 30 : 36;
    auto loaded = LoadPicture(state, top, hexagons);
    if (!loaded) return;
    Session& session = loaded->session;
    OrdersOnAFullScreen(session, 1);
    bool down = true;
    for (auto _ : state) {
        ApplyZoom(session.game, session.map, session.port, down ? top - 2 : top, QSize(1920, 1080));
        down = !down;
    }
    state.SetLabel(hexagons ? "hex 28 <-> 30" : "square 34 <-> 36");
}
BENCHMARK(ZoomLargest)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A report listing all 273 areas, merged into a turn that already shows them
// the same way, so that no message is raised.
void MergeFullReport(benchmark::State& state) {
    QByteArray report = "\"header\"\r\nQM042,2,\"x\"\r\nNumber of Areas =,273\r\n";
    for (int area = 1; area <= kLastArea; ++area)
        report += QByteArray::number(area) + ',' + QByteArray::number(area % 8) + ',' +
                  QByteArray::number(area % 8) + ',' + QByteArray::number(area % 5) + "\r\n";
    Loaded loaded;
    GameState& game = loaded.session.game;
    for (int area = 1; area <= kLastArea; ++area) game.area(area).Owner = kUnseenOwner;
    MergeReportData(game, loaded.port, report, QStringLiteral("plyrdata.3"));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MergeReportData(game, loaded.port, report, QStringLiteral("plyrdata.3")));
}
BENCHMARK(MergeFullReport)->Unit(benchmark::kMicrosecond);

// The plain copy of a full-screen picture: what a refresh of the view is measured against.
void CopyFullScreenPicture(benchmark::State& state) {
    const auto scale = static_cast<int>(state.range(0));
    QImage source(1920 * scale, 1080 * scale, QImage::Format_RGB32);
    source.fill(0xFF336699);
    QImage target(1920 * scale, 1080 * scale, QImage::Format_RGB32);
    target.fill(0);
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(),
                    static_cast<std::size_t>(source.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyFullScreenPicture)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
