#include "files/ReportReader.h"

#include "files/AreaSection.h"
#include "files/WorkingCopy.h"
#include "io/FileNames.h"
#include "io/ItemReader.h"
#include "io/NumberText.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <cstdint>

namespace qm {

namespace {

constexpr int kGameCodeSearchItems = 100;
constexpr char16_t kInvalidFile[] = u"Invalid File";

enum class ReadResult { Ok, Invalid, TooManyAreas };

bool InRange(std::int16_t value, int low, int high) { return value >= low && value <= high; }

// Reads the report into `game`, which the caller throws away unless the
// answer is Ok. The reader's errors are sticky: when the last read of a group
// succeeded, every read before it did too, so only that one is checked.
ReadResult ParseReport(ItemReader& in, GameState& game) {
    std::optional<QString> item = in.Text();
    for (int counter = 1; !item || !IsGameCode(*item);) {
        if (!item) return ReadResult::Invalid;
        item = in.Text();
        if (++counter > kGameCodeSearchItems) return ReadResult::Invalid;
    }
    game.GameCode = *item;

    const auto current = in.Number();
    const auto ident = in.Text();
    const auto year = in.Number();
    const auto turn = in.Number();
    in.Text();  // the label before the player count
    const auto count = in.Number();
    if (!count || !IsPlayerNumber(*current) || !InRange(*turn, 1, 4) || !IsPlayerNumber(*count))
        return ReadResult::Invalid;
    game.CurrentPlayer = *current;
    game.PlayerIdent = *ident;
    game.TurnYear = *year;
    game.TurnOfYear = *turn;
    game.PlayerCount = *count;
    if (game.TurnNumber() < INT16_MIN || game.TurnNumber() > INT16_MAX) return ReadResult::Invalid;

    for (int p = 0; p <= game.PlayerCount; ++p) {
        const auto shortName = in.Text();
        const auto name = in.Text();
        const auto letters = in.Text();
        if (!letters) return ReadResult::Invalid;
        PlayerRecord& player = game.player(p);
        player.ShortName = *shortName;
        player.PlayerName = *name;
        if (p < game.PlayerCount) {
            for (int q = 0; q <= game.PlayerCount; ++q)
                player.Relation[static_cast<std::size_t>(q)] =
                    q < letters->size() ? letters->at(q) : QChar();
        }
    }

    in.Text();  // "Number of Areas ="
    const AreaSection areas = ReadAreaSection(in);
    if (areas.problem == AreaSection::Problem::TooManyAreas) return ReadResult::TooManyAreas;
    if (areas.problem != AreaSection::Problem::None) return ReadResult::Invalid;

    for (int i = 1; i <= kLastArea; ++i) game.area(i).Owner = kUnseenOwner;
    game.area(kNeutralArea).Owner = 0;
    for (const AreaLine& line : areas.records) {
        AreaRecord& area = game.area(line.area);
        area.Owner = line.owner;
        area.UnitOwner = line.unitOwner;
        area.UnitType = line.unitType;
    }
    return ReadResult::Ok;
}

}  // namespace

bool IsGameCode(const QString& item) {
    auto between = [&](QStringView low, QStringView high) {
        return QStringView(item).compare(low, Qt::CaseSensitive) >= 0 &&
               QStringView(item).compare(high, Qt::CaseSensitive) <= 0;
    };
    return between(u"QM001", u"QM999") || between(u"QM2001", u"QM2999") ||
           between(u"QMT001", u"QMT999");
}

QString TurnTitle(const GameState& game) {
    return game.GameCode + QLatin1Char(' ') + game.player(game.CurrentPlayer).PlayerName +
           QStringLiteral("           Zez-QM             Date:") + SignPlace(game.TurnYear) +
           QLatin1Char('.') + QString::number(game.TurnOfYear) + QLatin1Char('(') +
           QString::number(game.TurnNumber()) + QLatin1Char(')');
}

bool TakeReport(GameState& game, WindowPort& port, const QByteArray& data) {
    ItemReader in(data);
    GameState next = game;
    switch (ParseReport(in, next)) {
        case ReadResult::Invalid:
            port.ShowMessage(QString::fromUtf16(kInvalidFile), MessageIcon::None);
            return false;
        case ReadResult::TooManyAreas:
            port.ShowMessage(QString::fromUtf16(kTooManyAreas), MessageIcon::None);
            return false;
        case ReadResult::Ok:
            break;
    }
    game = std::move(next);
    game.CommandCount = 2;
    return true;
}

bool ReadReport(GameState& game, WindowPort& port, const QString& directory,
                const QString& fileName) {
    const std::optional<QByteArray> data = ReadWholeFile(FindFileNoCase(directory, fileName));
    if (!data) {
        port.ShowMessage(QString::fromUtf16(kInvalidFile), MessageIcon::None);
        return false;
    }
    if (!TakeReport(game, port, *data)) return false;
    ReadWorkingCopy(game, port, directory);
    port.SetTitle(TurnTitle(game));
    return true;
}

}  // namespace qm
