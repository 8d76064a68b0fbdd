// The player report: taken or refused whole, and a taken one is safe to show
// and to write orders for.
#include "FuzzSupport.h"
#include "files/OrdersText.h"
#include "files/ReportReader.h"
#include "state/GameState.h"
#include "state/RefreshDisplay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    GameState game;
    if (!TakeReport(game, fuzz::SilentPort(), fuzz::Bytes(data, size))) {
        fuzz::Require(game.PlayerCount == 0 && game.GameCode.isEmpty(), "refused but changed");
        return 0;
    }
    fuzz::Require(IsPlayerNumber(game.CurrentPlayer) && IsPlayerNumber(game.PlayerCount),
                  "player numbers in the tables");
    RefreshDisplay(game, fuzz::SilentPort());
    TurnTitle(game);
    CommandsFileText(game);
    return 0;
}
