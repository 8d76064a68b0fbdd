#include "state/LastSeen.h"

#include "state/AreaDescription.h"
#include "state/UnitTypes.h"

namespace qm {

QString SightingText(const GameState& game, const Sighting& sighting) {
    if (!sighting.Seen()) return {};
    QString text = QStringLiteral("last seen %1.%2: owner %3, ")
                       .arg(sighting.year)
                       .arg(sighting.turnOfYear)
                       .arg(ShortPlayerText(game, sighting.owner));
    return text + (IsUnitType(sighting.unitType)
                       ? ShortUnitText(game, sighting.unitOwner, sighting.unitType)
                       : QStringLiteral("no unit"));
}

}  // namespace qm
