// The orders file of the busiest possible turn: an order in every area and a
// full command list, written as both texts and read back.

#include "files/OrdersText.h"
#include "files/WorkingCopy.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void FillBusiestTurn(qm::GameState& game) {
    game.GameCode = QStringLiteral("QM012");
    game.TurnYear = 1881;
    game.TurnOfYear = 2;
    for (int i = 1; i <= qm::kLastArea; ++i) {
        qm::AreaRecord& area = game.area(i);
        area.Command = QStringLiteral("SA");
        area.Parm1 = static_cast<std::int16_t>(qm::kLastArea + 1 - i);
        area.Parm2 = 5;
    }
    game.CommandList[1] = {QStringLiteral("SP"), {0, 10, 20, 30, 40}};
    game.CommandList[2] = {QStringLiteral("SP"), {0, 50, 60, 0, 0}};
    for (int i = qm::kFirstListSlot; i <= qm::kLastCommandSlot; ++i)
        game.CommandList[static_cast<std::size_t>(i)] = {QStringLiteral("GA"), {0, 2, -1, 0, 0}};
    game.CommandCount = qm::kLastCommandSlot;
}

void BM_OrdersTexts(benchmark::State& state) {
    qm::GameState game;
    FillBusiestTurn(game);
    for (auto _ : state) {
        benchmark::DoNotOptimize(qm::CommandsFileText(game));
        benchmark::DoNotOptimize(qm::WorkingCopyText(game));
    }
}
BENCHMARK(BM_OrdersTexts);

void BM_ReadWorkingCopy(benchmark::State& state) {
    qm::ConsolePort port{QString(), true};
    qm::Session session(port);
    FillBusiestTurn(session.game);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("orders.tmp")));
    if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("no temporary folder");
    file.write(qm::WorkingCopyText(session.game));
    file.close();
    const QString directory = folder.path() + QLatin1Char('/');
    for (auto _ : state) {
        session.game.CommandCount = 2;
        for (int i = qm::kFirstListSlot; i <= qm::kLastCommandSlot; ++i)
            session.game.CommandList[static_cast<std::size_t>(i)] = {};
        benchmark::DoNotOptimize(qm::ReadWorkingCopy(session.game, session.port, directory));
    }
}
BENCHMARK(BM_ReadWorkingCopy);

}  // namespace
