#include "orders/VictoryConditions.h"

#include "io/NumberText.h"
#include "orders/CommandList.h"
#include "orders/ListedOrders.h"
#include "orders/OrderHistory.h"
#include "orders/SpyTargets.h"
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
    VictoryProposal proposal;
    proposal.values = {kDefaultTurns, kDefaultPoints};
    const std::vector<std::int16_t> found = SlotsOf(game, {kVictoryConditions});
    if (!found.empty()) {
        proposal.slot = found.front();
        const CommandRecord& order = CommandAt(game, found.front());
        proposal.values = {order.P[1], order.P[2]};
        proposal.found = order;
    }
    const std::int16_t count = game.CommandCount;
    Keep(game, proposal);
    proposal.appended = proposal.slot && *proposal.slot > count;
    proposal.settled = proposal.values;
    return proposal;
}

bool EnterVictoryValue(GameState& game, VictoryProposal& proposal, int field, const QString& text) {
    if (field < 0 || field > 1) return false;
    const auto index = static_cast<std::size_t>(field);
    const std::optional<std::int16_t> value = TypedNumber(text);
    // A number that does not fit leaves the value from before the typing, not
    // the last fitting part of it.
    proposal.values[index] = value.value_or(proposal.settled[index]);
    Keep(game, proposal);
    return value.has_value();
}

void SettleVictoryValue(VictoryProposal& proposal, int field) {
    if (field < 0 || field > 1) return;
    const auto index = static_cast<std::size_t>(field);
    proposal.settled[index] = proposal.values[index];
}

void RefuseVictoryValue(WindowPort& port, const VictoryProposal& proposal, int field) {
    const bool turns = field == kVictoryTurns;
    port.ShowMessage(QStringLiteral("The number of %1 must lie between -32768 and 32767; the "
                                    "proposal keeps ")
                             .arg(turns ? QStringLiteral("turns") : QStringLiteral("points")) +
                         SignPlace(proposal.settled[turns ? 0 : 1]),
                     MessageIcon::Stop);
}

void CloseVictoryConditions(GameState& game, Interaction& interaction, WindowPort& port,
                            const SpyTargets& spies, OrderHistory& history,
                            VictoryProposal& proposal) {
    EndWindowMode(interaction, spies, kVictoryConditions);
    // The order followed the fields all along; the step runs from the list as
    // the window found it to the list as the window leaves it.
    std::optional<CommandRecord> shown;
    const std::int16_t shownCount = game.CommandCount;
    if (HoldsProposal(game, proposal)) {
        const auto slot = static_cast<std::size_t>(*proposal.slot);
        shown = game.CommandList[slot];
        game.CommandList[slot] = proposal.found.value_or(CommandRecord{});
        if (proposal.appended && game.CommandCount == *proposal.slot) --game.CommandCount;
    }
    history.BeginChange(game);
    if (shown) {
        game.CommandList[static_cast<std::size_t>(*proposal.slot)] = *shown;
        game.CommandCount = shownCount;
    } else {
        const auto [turns, points] = proposal.values;
        proposal.slot = AddCommand(game, port, kVictoryConditions, turns, points, 0, 0);
    }
    history.CommitChange(game);
}

}  // namespace qm
