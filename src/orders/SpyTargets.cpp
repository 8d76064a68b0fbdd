#include "orders/SpyTargets.h"

#include "io/NumberText.h"
#include "orders/TargetOrders.h"
#include "orders/TypedNumber.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/SpySlots.h"
#include "state/WindowPort.h"

#include <algorithm>

namespace qm {

std::int16_t SpyCellNumber(const QString& text) { return TypedNumber(text).value_or(0); }

void SetSpyCommand(GameState& game, int slot, const QString& code, std::int16_t p1, std::int16_t p2,
                   std::int16_t p3, std::int16_t p4) {
    if (slot < 0 || slot > kLastCommandSlot) return;
    CommandRecord& record = game.CommandList[static_cast<std::size_t>(slot)];
    const std::array<std::int16_t, 5> before = record.P;
    record.Code = code;
    record.P = {0, p1, p2, p3, p4};
    // Closing the spy window writes both slots back; only other targets count
    // as a change (the files write the spy blocks by their targets alone).
    if (record.P != before) MarkOrdersChanged(game);
}

void OpenSpyTargets(const GameState& game, Interaction& interaction, SpyTargets& spies) {
    interaction.MapMode = kSpy;
    spies.open = true;
    for (int k = 0; k < SpyTargets::kCells; ++k) {
        const std::int16_t value = SpyTargetOf(game, k);
        spies.cells[static_cast<std::size_t>(k)] = value > 0 ? SignPlace(value) : QString();
    }
}

void DeleteSpyTargets(SpyTargets& spies, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, SpyTargets::kCells - 1);
    if (first > last) return;
    const int removed = last - first + 1;
    for (int k = first; k <= last; ++k) spies.cells[static_cast<std::size_t>(k)].clear();
    for (int k = 0; k + removed < SpyTargets::kCells; ++k) {
        QString& cell = spies.cells[static_cast<std::size_t>(k)];
        if (!cell.trimmed().isEmpty()) continue;
        QString& later = spies.cells[static_cast<std::size_t>(k + removed)];
        cell = later;
        later.clear();
    }
}

void CloseSpyTargets(GameState& game, Interaction& interaction, SpyTargets& spies) {
    spies.open = false;
    if (interaction.MapMode == kSpy) interaction.MapMode.clear();
    // The parameters of each slot by slot number; what no target fills stays 0.
    std::array<std::array<std::int16_t, 5>, kSpySlots.back() + 1> p{};
    for (int k = 0; k < SpyTargets::kCells; ++k) {
        const SpyPlace place = kSpyPlaces[static_cast<std::size_t>(k)];
        p[static_cast<std::size_t>(place.slot)][static_cast<std::size_t>(place.parameter)] =
            SpyCellNumber(spies.cells[static_cast<std::size_t>(k)]);
    }
    for (const int slot : kSpySlots) {
        const auto& q = p[static_cast<std::size_t>(slot)];
        SetSpyCommand(game, slot, kSpy, q[1], q[2], q[3], q[4]);
    }
}

void EndWindowMode(Interaction& interaction, const SpyTargets& spies, QLatin1String mode) {
    if (interaction.MapMode != mode) return;
    if (spies.open)
        interaction.MapMode = kSpy;
    else
        interaction.MapMode.clear();
}

bool SpyOrder(SpyTargets& spies, WindowPort& port, std::int16_t t) {
    if (!IsAreaNumber(t)) {
        port.ShowMessage(QString::fromUtf16(kNoAreaThere), MessageIcon::Stop);
        return false;
    }
    for (QString& cell : spies.cells) {
        if (cell.isEmpty()) {
            cell = SignPlace(t);
            return true;
        }
    }
    port.ShowMessage(QStringLiteral("Already at limit of spies"), MessageIcon::Stop);
    return false;
}

}  // namespace qm
