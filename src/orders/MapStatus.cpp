#include "orders/MapStatus.h"

#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/LastSeen.h"
#include "state/OrderCodes.h"

namespace qm {

namespace {

// What the click that completes each target order picks.
const char* TargetWord(const QString& mode) {
    if (mode == kMove) return "the target area";
    if (mode == kSupportAttack) return "the area attacked";
    if (mode == kSupportDefend) return "the area to defend";
    if (mode == kConvoy) return "the next area of the convoy";
    return nullptr;
}

}  // namespace

bool IsTargetPending(const Interaction& interaction) {
    return TargetWord(interaction.MapMode) != nullptr;
}

bool CancelPendingOrder(Interaction& interaction) {
    if (!IsTargetPending(interaction)) return false;
    interaction.MapMode.clear();
    return true;
}

QString MapModeText(const GameState& game, const Interaction& interaction) {
    const QString& mode = interaction.MapMode;
    if (const char* target = TargetWord(mode)) {
        const int from = interaction.SelectedArea;
        const QString name = IsAreaNumber(from) ? u' ' + game.area(from).Name : QString();
        return mode + QStringLiteral(" from ") + QString::number(from) + name +
               QStringLiteral(": click ") + QLatin1String(target) + QStringLiteral(", Esc cancels");
    }
    if (mode == kSpy)
        return QStringLiteral("Spy: click an area to spy on; close the Spy window to stop");
    if (mode == kGrantAccess)
        return QStringLiteral(
            "Grant access: click an area to grant access to; close the Grant Access window to "
            "stop");
    if (mode == kVictoryConditions)
        return QStringLiteral("Victory conditions: close their window to enter orders on the map");
    if (interaction.ReadOnly)
        return QStringLiteral(
                   "Turn %1.%2 as it was: Alt+Left and Alt+Right step, "
                   "View > Turn History returns")
            .arg(game.TurnYear)
            .arg(game.TurnOfYear);
    return mode.isEmpty() ? QString() : mode;
}

QString MapStatusText(const GameState& game, const Interaction& interaction, int hoverArea,
                      const LastSeen& lastSeen) {
    const QString mode = MapModeText(game, interaction);
    QString area = AreaHoverText(game, hoverArea);
    if (IsAreaNumber(hoverArea) && game.area(hoverArea).Owner == kUnseenOwner)
        if (const QString seen = SightingText(game, lastSeen[static_cast<std::size_t>(hoverArea)]);
            !seen.isEmpty())
            area += QStringLiteral("; ") + seen;
    if (mode.isEmpty()) return area;
    if (area.isEmpty()) return mode;
    return mode + QStringLiteral("  |  ") + area;
}

}  // namespace qm
