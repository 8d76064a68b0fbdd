#pragma once
// The two order files of a report's folder, and the one way each is found:
// without regard to case and, of several, the one written last, so that a
// program that writes and reads through these keeps to the copy it wrote.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

inline constexpr QLatin1String kCommandsFileName{"commands.dat"};
inline constexpr QLatin1String kWorkingCopyFileName{"orders.tmp"};

/// The folder's commands.dat (directory ends in a separator).
QString CommandsFilePath(const QString& directory);
/// The folder's orders.tmp.
QString WorkingCopyPath(const QString& directory);

/// What a commands.dat begins with: "KVOSTART", the game code, the identification.
struct CommandsHeader {
    QString gameCode;  // trimmed
    QString ident;     // its blanks simplified
};
/// Nothing for a text that does not begin so.
std::optional<CommandsHeader> ReadCommandsHeader(const QByteArray& text);

/// What a working copy begins with: the game code, the year and the turn of the year.
struct WorkingCopyHeader {
    QString gameCode;
    std::int16_t year = 0;
    std::int16_t turnOfYear = 0;
};
/// Nothing for a text that does not begin so.
std::optional<WorkingCopyHeader> ReadWorkingCopyHeader(const QByteArray& text);

/// The identification of another player (other than `ident`) whose orders of
/// game `gameCode` the folder's commands.dat holds; nothing when it holds none.
std::optional<QString> AnotherPlayersOrders(const QString& directory, const QString& gameCode,
                                            const QString& ident);

}  // namespace qm
