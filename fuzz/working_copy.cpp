// The working copy of the orders, read over a sample report: restored or
// refused whole, and what is restored writes back to the same text.
#include "FuzzSupport.h"
#include "files/OrdersText.h"
#include "files/ReportReader.h"
#include "files/WorkingCopy.h"
#include "io/FileNames.h"
#include "state/GameState.h"
#include "state/Totals.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    static const GameState base = fuzz::LoadedTurn();
    GameState game = base;
    if (!RestoreOrders(game, fuzz::Bytes(data, size))) {
        fuzz::Require(WorkingCopyText(game) == WorkingCopyText(base), "refused but changed");
        return 0;
    }
    game.totals = ComputeTotals(game);  // what the orders file needs, without the grid
    CommandsFileText(game);
    const QByteArray written = WorkingCopyText(game);
    GameState again = base;
    fuzz::Require(RestoreOrders(again, written), "a written working copy is read back");
    fuzz::Require(WorkingCopyText(again) == written, "reading back gives the same orders");
    return 0;
}
