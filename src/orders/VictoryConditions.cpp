#include "orders/VictoryConditions.h"

#include "io/NumberText.h"
#include "orders/CommandList.h"
#include "orders/ListedOrders.h"
#include "orders/TypedNumber.h"
#include "state/CommandSlots.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/WindowPort.h"

namespace qm {

namespace {

constexpr std::int16_t kDefaultTurns = 10;
constexpr std::int16_t kDefaultPoints = 300;

bool HoldsProposal(const GameState& game, const VictoryProposal& proposal) {
    return proposal.slot && CommandAt(game, *proposal.slot).Code == kVictoryConditions;
}

// Writes the values into the proposal's order, placing it anew if its slot was emptied.
void Keep(GameState& game, VictoryProposal& proposal) {
    const auto [turns, points] = proposal.values;
    if (!HoldsProposal(game, proposal)) {
        proposal.slot = PlaceCommand(game, kVictoryConditions, turns, points, 0, 0);
        return;
    }
    CommandRecord& order = game.CommandList[static_cast<std::size_t>(*proposal.slot)];
    if (order.P[1] == turns && order.P[2] == points) return;
    order.P[1] = turns;
    order.P[2] = points;
    MarkOrdersChanged(game);
}

}  // namespace

VictoryProposal OpenVictoryConditions(GameState& game, Interaction& interaction) {
    interaction.MapMode = kVictoryConditions;
    VictoryProposal proposal{std::nullopt, {kDefaultTurns, kDefaultPoints}};
    const std::vector<std::int16_t> found = SlotsOf(game, {kVictoryConditions});
    if (!found.empty()) {
        proposal.slot = found.front();
        const CommandRecord& order = CommandAt(game, found.front());
        proposal.values = {order.P[1], order.P[2]};
    }
    Keep(game, proposal);
    return proposal;
}

bool EnterVictoryValue(GameState& game, VictoryProposal& proposal, int field, const QString& text) {
    const std::optional<std::int16_t> value = TypedNumber(text);
    if (!value || field < 0 || field > 1) return false;
    proposal.values[static_cast<std::size_t>(field)] = *value;
    Keep(game, proposal);
    return true;
}

void RefuseVictoryValue(WindowPort& port, const VictoryProposal& proposal, int field) {
    const bool turns = field == kVictoryTurns;
    port.ShowMessage(QStringLiteral("The number of %1 must lie between -32768 and 32767; the "
                                    "proposal keeps ")
                             .arg(turns ? QStringLiteral("turns") : QStringLiteral("points")) +
                         SignPlace(proposal.values[turns ? 0 : 1]),
                     MessageIcon::Stop);
}

void CloseVictoryConditions(GameState& game, Interaction& interaction, WindowPort& port,
                            VictoryProposal& proposal) {
    if (interaction.MapMode == kVictoryConditions) interaction.MapMode.clear();
    if (HoldsProposal(game, proposal)) return;
    const auto [turns, points] = proposal.values;
    proposal.slot = AddCommand(game, port, kVictoryConditions, turns, points, 0, 0);
}

}  // namespace qm
