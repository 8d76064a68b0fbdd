#include "files/OrdersFiles.h"

#include "io/FileNames.h"

#include <QByteArray>
#include <QList>

namespace qm {

QString CommandsFilePath(const QString& directory) {
    return FindNewestNoCase(directory, kCommandsFileName);
}

QString WorkingCopyPath(const QString& directory) {
    return FindNewestNoCase(directory, kWorkingCopyFileName);
}

std::optional<QString> AnotherPlayersOrders(const QString& directory, const QString& gameCode,
                                            const QString& ident) {
    const std::optional<QByteArray> text = ReadWholeFile(CommandsFilePath(directory));
    if (!text) return std::nullopt;
    // KVOSTART, the game code, the identification: as the orders file begins.
    const QList<QByteArray> lines = text->left(4096).split('\n');
    if (lines.size() < 4 || lines[0].trimmed() != "KVOSTART" ||
        QString::fromLatin1(lines[1].trimmed()) != gameCode.trimmed())
        return std::nullopt;
    const QString owner = QString::fromLatin1(lines[2]).simplified();
    if (owner == ident.simplified()) return std::nullopt;
    return owner;
}

}  // namespace qm
