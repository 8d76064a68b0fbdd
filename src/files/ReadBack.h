#pragma once
// Proof that the orders file on disk says what the screen says: commands.dat
// is read back by a reader of its own (not the writer's code turned around)
// and compared, order by order, with the orders in memory.

#include <QString>

#include <optional>
#include <vector>

namespace qm {

struct GameState;
class WindowPort;

/// One place where file and memory disagree; an empty side means "nothing there".
struct OrderMismatch {
    QString screen;
    QString file;
    bool operator==(const OrderMismatch&) const = default;
};

/// The lines between the markers of a commands.dat, each as its items joined
/// by single blanks ("MO 5 12", "GA 3 ALL"), headed by "KVOSTART", the game
/// code, the identification and "" and ending in "KVOEND", as memory has them.
std::vector<QString> OrdersInMemory(const GameState& game);

/// The same from the file's text; nothing when the file cannot be read.
std::optional<std::vector<QString>> OrdersInFile(const QString& path);

/// ReportDir holds a commands.dat: the orders of the turn were saved at some time.
bool CommandsFileExists(const GameState& game);

/// Compares ReportDir's commands.dat with memory; a missing file is one
/// mismatch with an empty file side.
std::vector<OrderMismatch> CompareCommandsFile(const GameState& game);

/// One mismatch as "screen: ...   file: ...", "(nothing)" for an empty side.
QString MismatchLine(const OrderMismatch& mismatch);

/// The mismatches as one text with both sides of each.
QString MismatchText(const std::vector<OrderMismatch>& mismatches);

/// CompareCommandsFile after a save: any difference is shown at once as a stop
/// message. Answers whether file and memory agree.
bool VerifySavedOrders(const GameState& game, WindowPort& port);

}  // namespace qm
