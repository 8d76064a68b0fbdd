// A merged report, over a sample turn: merged or refused whole, and a merge
// fills only areas the loaded report did not show, with values in the tables,
// and logs only those as its own.
#include "FuzzSupport.h"
#include "files/ReportMerge.h"
#include "files/ReportReader.h"
#include "io/FileNames.h"
#include "state/GameState.h"
#include "state/MergeLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    static const GameState base = fuzz::LoadedTurn();
    GameState game = base;
    const bool merged = MergeReportData(game, fuzz::SilentPort(), fuzz::Bytes(data, size),
                                        QStringLiteral("plyrdata.7"));
    for (int area = 1; area <= kLastArea; ++area) {
        const AreaRecord& now = game.area(area);
        const AreaRecord& before = base.area(area);
        if (!merged || before.Owner != kUnseenOwner) {
            fuzz::Require(now.Owner == before.Owner && now.UnitOwner == before.UnitOwner &&
                              now.UnitType == before.UnitType,
                          "only unseen areas change");
        }
        fuzz::Require(IsPlayerNumber(now.Owner) && IsPlayerNumber(now.UnitOwner),
                      "owners in the table");
        fuzz::Require(
            FilledByReport(game.Merges, area).isEmpty() || (merged && before.Owner == kUnseenOwner),
            "only filled areas name a merged report");
    }
    MergeLogLines(game);
    return 0;
}
