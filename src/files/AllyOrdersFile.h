#pragma once
// An ally's orders file read for its plans: the commands.dat an ally mailed
// along (with the orders.tmp beside it, which names the turn), and whose
// orders they are, found from the units they order.

#include "state/AllyPlans.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qm {

struct GameState;

struct AllyOrdersFile {
    QString gameCode;
    QString ident;
    // From the working copy beside it; 0 when there is none of this game.
    std::int16_t year = 0;
    std::int16_t turnOfYear = 0;
    std::array<AllyOrder, kAreaSlots> orders{};
};

/// What reading gave: the orders, or why they are not an orders file (the
/// line and what is wrong with it).
struct AllyOrdersRead {
    std::optional<AllyOrdersFile> file;
    QString problem;
};

/// The content of a commands.dat, and of the orders.tmp beside it when there
/// is one. The area orders are kept; the list orders and spies are read and
/// checked but not kept. Lines may end in CR LF or LF alone.
AllyOrdersRead ParseAllyOrders(const QByteArray& commands,
                               const std::optional<QByteArray>& workingCopy);

/// The players whose orders the file may be, most likely first: the owners of
/// the units (and the centres of the builds) it orders, as the loaded and
/// merged reports show them, and the player its identification line names.
/// One player means the file is his; several, that the player is asked.
/// The loaded player himself is never among them.
std::vector<std::int16_t> AllyCandidates(const GameState& game, const AllyOrdersFile& file);

/// Whether the identification line is the loaded player's own.
bool IsOwnIdent(const GameState& game, const AllyOrdersFile& file);

}  // namespace qm
