// An ally's orders file, with a working copy after a NUL byte: read whole or
// refused with a reason, and what is read writes back to the same orders.
#include "FuzzSupport.h"
#include "files/AllyOrdersFile.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    static const GameState game = fuzz::LoadedTurn();
    const QByteArray input = fuzz::Bytes(data, size);
    const qsizetype split = input.indexOf('\0');
    const QByteArray commands = split < 0 ? input : input.left(split);
    const std::optional<QByteArray> workingCopy =
        split < 0 ? std::nullopt : std::optional(input.mid(split + 1));
    const AllyOrdersRead read = ParseAllyOrders(commands, workingCopy);
    if (!read.file) {
        fuzz::Require(!read.problem.isEmpty(), "a refusal says why");
        return 0;
    }
    for (const std::int16_t player : AllyCandidates(game, *read.file))
        fuzz::Require(player >= 1 && player < kUnseenOwner && player != game.CurrentPlayer,
                      "a candidate is another player");
    QByteArray again = "KVOSTART\r\n" + read.file->gameCode.toLatin1() + "\r\n" +
                       read.file->ident.toLatin1() + "\r\n\r\n";
    for (int i = 1; i <= kLastArea; ++i)
        if (const AllyOrder& order = read.file->orders[static_cast<std::size_t>(i)];
            !order.Command.isEmpty())
            again += AreaOrderWords(i, order.Command, order.Parm1, order.Parm2).toLatin1() + "\r\n";
    again += "KVOEND\r\n";
    const AllyOrdersRead reread = ParseAllyOrders(again, std::nullopt);
    fuzz::Require(reread.file && reread.file->orders == read.file->orders,
                  "the orders read write back to the same orders");
    return 0;
}
