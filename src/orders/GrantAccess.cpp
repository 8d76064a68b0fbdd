#include "orders/GrantAccess.h"

#include "io/NumberText.h"
#include "orders/CommandList.h"
#include "orders/Diplomacy.h"
#include "orders/SpyTargets.h"
#include "orders/TypedNumber.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/OrderCodes.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

constexpr std::int16_t kAllAreas = -1;

bool HasPlayer(WindowPort& port, std::optional<std::int16_t> player) {
    if (player) return true;
    port.ShowMessage(QStringLiteral("Select a player to grant access to"), MessageIcon::Stop);
    return false;
}

QString Prefix(const GameState& game, std::int16_t player) {
    return kGrantAccess + QLatin1Char(' ') + ShortNameOf(game, player);
}

}  // namespace

std::vector<std::int16_t> GrantCandidates(const GameState& game) {
    std::vector<std::int16_t> allies;
    for (const std::int16_t i : OtherPlayers(game))
        if (IsMutualAlliance(game, game.CurrentPlayer, i)) allies.push_back(i);
    return allies;
}

QString GrantOrderText(const GameState& game, std::int16_t player, std::int16_t area) {
    return Prefix(game, player) +
           (area > 0 ? QLatin1Char(' ') + SignPlace(area) : QStringLiteral(" all"));
}

std::vector<OrderEntry> GrantOrders(const GameState& game) {
    std::vector<OrderEntry> entries;
    for (const std::int16_t j : SlotsOf(game, {kGrantAccess})) {
        const CommandRecord& slot = CommandAt(game, j);
        entries.push_back({GrantOrderText(game, slot.P[1], slot.P[2]), j});
    }
    return entries;
}

void ArmGrant(Interaction& interaction, WindowPort& port, std::optional<std::int16_t> player) {
    if (HasPlayer(port, player)) interaction.MapMode = kGrantAccess;
}

std::optional<OrderEntry> GrantArea(GameState& game, WindowPort& port,
                                    std::optional<std::int16_t> player, const QString& areaText) {
    if (!HasPlayer(port, player)) return std::nullopt;
    const std::optional<std::int16_t> area = TypedNumber(areaText);
    if (!area || *area < 0 || *area > kLastArea) {
        port.ShowMessage(QStringLiteral("Area numbers run from 1 to 273"), MessageIcon::Stop);
        return std::nullopt;
    }
    // Area 0, beside every area, is in the table but nobody's to grant.
    if (*area == 0 || game.area(*area).Owner != game.CurrentPlayer) {
        port.ShowMessage(QStringLiteral("Must own the area to grant access"), MessageIcon::Stop);
        return std::nullopt;
    }
    const auto index = AddCommand(game, port, kGrantAccess, *player, *area, 0, 0);
    if (!index) return std::nullopt;
    return OrderEntry{Prefix(game, *player) + areaText, *index};
}

std::optional<OrderEntry> GrantAll(GameState& game, WindowPort& port,
                                   std::optional<std::int16_t> player) {
    if (!HasPlayer(port, player)) return std::nullopt;
    const auto index = AddCommand(game, port, kGrantAccess, *player, kAllAreas, 0, 0);
    if (!index) return std::nullopt;
    return OrderEntry{Prefix(game, *player) + QStringLiteral(" all "), *index};
}

void CloseGrantAccess(Interaction& interaction, const SpyTargets& spies) {
    EndWindowMode(interaction, spies, kGrantAccess);
}

}  // namespace qm
