#pragma once
// The two order files of a report's folder, and the one way each is found:
// without regard to case and, of several, the one written last, so that a
// program that writes and reads through these keeps to the copy it wrote.

#include <QString>

#include <optional>

namespace qm {

inline constexpr QLatin1String kCommandsFileName{"commands.dat"};
inline constexpr QLatin1String kWorkingCopyFileName{"orders.tmp"};

/// The folder's commands.dat (directory ends in a separator).
QString CommandsFilePath(const QString& directory);
/// The folder's orders.tmp.
QString WorkingCopyPath(const QString& directory);

/// The identification line of the folder's commands.dat when that file holds
/// orders of game `gameCode`; nothing when there is no such file.
std::optional<QString> OrdersFileIdent(const QString& directory, const QString& gameCode);

/// The folder's commands.dat holds the orders of game `gameCode` under
/// another identification than `ident`: another player's.
bool HoldsAnotherPlayersOrders(const QString& directory, const QString& gameCode,
                               const QString& ident);

}  // namespace qm
