#pragma once
// File > Save: the orders file and its working copy.

#include <functional>

namespace qm {

struct GameState;
class WindowPort;

/// Writes commands.dat and orders.tmp into ReportDir. Both are written in
/// full to temporary files beside them first and only then put in place, so
/// a failure (shown as a stop message naming the file) leaves the previous
/// pair as it was, also when the second file fails after the first was
/// replaced. Should even that fail, the message says which file holds what.
/// The game state is never changed. Answers whether both files were saved.
/// beforePutBack runs just before the old orders file is put back (tests
/// stage a failure there).
bool SaveOrders(const GameState& game, WindowPort& port,
                const std::function<void()>& beforePutBack = {});

}  // namespace qm
