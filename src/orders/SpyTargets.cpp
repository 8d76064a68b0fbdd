#include "orders/SpyTargets.h"

#include "io/NumberText.h"
#include "orders/TargetOrders.h"
#include "orders/TypedNumber.h"
#include "state/GameState.h"
#include "state/Interaction.h"
#include "state/OrderCodes.h"
#include "state/OrderRevision.h"
#include "state/WindowPort.h"

#include <algorithm>

namespace qm {

namespace {

constexpr int kFirstSpySlot = 1;
constexpr int kSecondSpySlot = 2;

// Which slot and parameter each cell is kept in.
struct CellPlace {
    int slot;
    int parameter;
};
constexpr std::array<CellPlace, SpyTargets::kCells> kCellPlaces = {{{kFirstSpySlot, 1},
                                                                    {kFirstSpySlot, 2},
                                                                    {kFirstSpySlot, 3},
                                                                    {kFirstSpySlot, 4},
                                                                    {kSecondSpySlot, 1},
                                                                    {kSecondSpySlot, 2}}};

}  // namespace

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
        const CellPlace place = kCellPlaces[static_cast<std::size_t>(k)];
        const std::int16_t value = game.CommandList[static_cast<std::size_t>(place.slot)]
                                       .P[static_cast<std::size_t>(place.parameter)];
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
    std::array<std::int16_t, SpyTargets::kCells> c{};
    for (int k = 0; k < SpyTargets::kCells; ++k)
        c[static_cast<std::size_t>(k)] = SpyCellNumber(spies.cells[static_cast<std::size_t>(k)]);
    SetSpyCommand(game, kFirstSpySlot, kSpy, c[0], c[1], c[2], c[3]);
    SetSpyCommand(game, kSecondSpySlot, kSpy, c[4], c[5], 0, 0);
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
