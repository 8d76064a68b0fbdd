#include "files/OrdersFiles.h"

#include "io/FileNames.h"
#include "io/ItemReader.h"

#include <QByteArray>
#include <QList>

namespace qm {

QString CommandsFilePath(const QString& directory) {
    return FindNewestNoCase(directory, kCommandsFileName);
}

QString WorkingCopyPath(const QString& directory) {
    return FindNewestNoCase(directory, kWorkingCopyFileName);
}

std::optional<CommandsHeader> ReadCommandsHeader(const QByteArray& text) {
    const QList<QByteArray> lines = text.left(4096).split('\n');
    if (lines.size() < 3 || lines[0].trimmed() != "KVOSTART") return std::nullopt;
    return CommandsHeader{QString::fromLatin1(lines[1]).trimmed(),
                          QString::fromLatin1(lines[2]).simplified()};
}

std::optional<WorkingCopyHeader> ReadWorkingCopyHeader(const QByteArray& text) {
    ItemReader in(text);
    const auto code = in.Text();
    const auto year = in.Number();
    const auto turnOfYear = in.Number();
    if (!turnOfYear) return std::nullopt;
    return WorkingCopyHeader{code->trimmed(), *year, *turnOfYear};
}

std::optional<QString> AnotherPlayersOrders(const QString& directory, const QString& gameCode,
                                            const QString& ident) {
    const std::optional<QByteArray> text = ReadWholeFile(CommandsFilePath(directory));
    const auto header = text ? ReadCommandsHeader(*text) : std::nullopt;
    if (!header || header->gameCode != gameCode.trimmed() || header->ident == ident.simplified())
        return std::nullopt;
    return header->ident;
}

}  // namespace qm
