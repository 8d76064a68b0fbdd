#include "state/YourAreas.h"

#include "state/GameState.h"
#include "state/UnitTypes.h"

namespace qm {

namespace {

// Right-aligned in `width` places; a longer text stays whole.
QString Right(const QString& text, int width) { return text.rightJustified(width, u' ', false); }

QString UnitLetter(std::int16_t unitType) {
    const UnitKind* kind = UnitKindOf(unitType);
    return kind ? QString(QLatin1Char(kind->letter)) + QLatin1Char(' ') : QString();
}

}  // namespace

QString YourAreaLine(const GameState& game, int areaNumber) {
    const AreaRecord& area = game.area(areaNumber);
    QString line = Right(QString::number(areaNumber), 3) + u' ';
    if (IsPlayerNumber(area.Owner))
        line += Right(game.player(area.Owner).ShortName, 4);
    else
        line += Right(QString(), 4);
    line += u' ' + UnitLetter(area.UnitType) + area.Command + u' ';
    if (area.Parm1 > 0) line += Right(QString::number(area.Parm1), 3);
    if (area.Parm2 > 0) line += Right(QString::number(area.Parm2), 3);
    return line;
}

QStringList FillYourAreas(const GameState& game) {
    QStringList lines;
    for (int a = 1; a <= kLastArea; ++a) {
        const AreaRecord& area = game.area(a);
        if (area.Owner == game.CurrentPlayer || area.UnitOwner == game.CurrentPlayer)
            lines << YourAreaLine(game, a);
    }
    return lines;
}

}  // namespace qm
