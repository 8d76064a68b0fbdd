#include "files/OrdersText.h"

#include "io/NumberText.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/SpySlots.h"

#include <QStringList>

#include <initializer_list>

namespace qm {

namespace {

constexpr int kPrintZone = 14;

// Every number of both files carries its sign place and one trailing blank.
QString Num(std::int16_t value) { return SignPlace(value) + QLatin1Char(' '); }

// Each item after the first starts at the next print-zone boundary past the
// line so far, as BASIC's comma in a print list does (an empty first item
// still puts the second at position 15).
QString Zoned(std::initializer_list<QString> items) {
    QString line;
    bool first = true;
    for (const QString& item : items) {
        if (!first) {
            const qsizetype boundary = (line.size() / kPrintZone + 1) * kPrintZone;
            line = line.leftJustified(boundary, QLatin1Char(' '));
        }
        line += item;
        first = false;
    }
    return line;
}

QByteArray Lines(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toLatin1() + "\r\n";
    return text;
}

bool IsListed(const QString& code) { return IsDeclaration(code) || IsPairOrder(code); }

}  // namespace

QByteArray CommandsFileText(const GameState& game) {
    QStringList lines = {QStringLiteral("KVOSTART"), game.GameCode, game.PlayerIdent, QString()};
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        const QString head = area.Command + QLatin1Char(' ') + Num(i);
        if (IsUnitOrder(area.Command)) {
            lines << head;
        } else if (IsTargetOrder(area.Command)) {
            lines << head + QLatin1Char(' ') + Num(area.Parm1);
        } else if (area.Command == kSupportAttack) {
            QString line = head + QLatin1Char(' ') + Num(area.Parm1);
            if (area.Parm2 >= 1) line += QLatin1Char(' ') + Num(area.Parm2);
            lines << line;
        }
    }
    QString spies = kSpy;
    for (int k = 0; k < kSpyTargetCount; ++k) spies += QLatin1Char(' ') + Num(SpyTargetOf(game, k));
    lines << spies;
    for (const int i : ListOrderSlots(game)) {
        const CommandRecord& order = CommandAt(game, i);
        if (!IsListed(order.Code)) continue;
        QString line = order.Code + QLatin1Char(' ') + Num(order.P[1]);
        if (order.Code == kGrantAccess && order.P[2] == -1)
            line += QStringLiteral(" ALL");
        else if (!IsDeclaration(order.Code))
            line += QLatin1Char(' ') + Num(order.P[2]);
        lines << line;
    }
    lines << QStringLiteral("KVOEND");
    return Lines(lines);
}

QByteArray WorkingCopyText(const GameState& game) {
    QStringList lines = {
        Zoned({game.GameCode, QStringLiteral(","), Num(game.TurnYear), Num(game.TurnOfYear)})};
    for (std::int16_t i = 1; i <= kLastArea; ++i) {
        const AreaRecord& area = game.area(i);
        if (IsUnitOrder(area.Command)) {
            lines << area.Command << Zoned({Num(i)});
        } else if (IsTargetOrder(area.Command)) {
            lines << area.Command << Zoned({Num(i), Num(area.Parm1)});
        } else if (area.Command == kSupportAttack) {
            const std::int16_t supported = area.Parm2 >= 1 ? area.Parm2 : std::int16_t{0};
            lines << area.Command << Zoned({Num(i), Num(area.Parm1), Num(supported)});
        }
    }
    for (int slot : kSpySlots) {
        const auto& p = CommandAt(game, slot).P;
        lines << kSpy << Zoned({Num(p[1]), Num(p[2]), Num(p[3]), Num(p[4])});
    }
    for (const int i : ListOrderSlots(game)) {
        const CommandRecord& order = CommandAt(game, i);
        if (!IsListed(order.Code)) continue;
        lines << order.Code;
        if (IsDeclaration(order.Code))
            lines << Zoned({Num(order.P[1])});
        else
            lines << Zoned({Num(order.P[1]), Num(order.P[2])});
    }
    lines << QStringLiteral("END");
    return Lines(lines);
}

}  // namespace qm
