#pragma once
// Recording an area order and keeping the free supply balance.

#include <QString>

#include <cstdint>

namespace qm {

struct AreaRecord;
struct GameState;
struct OrderContext;
class WindowPort;

/// Changes FreeSupply by delta and shows it in the summary. A negative
/// balance is lifted at most to 0 by one adjustment.
void AdjustFreeSupply(GameState& game, WindowPort& port, std::int16_t delta);

/// Writes the area's order into its grid row: code, and each parameter blanked below 1.
void ShowAreaOrderCells(WindowPort& port, std::int16_t areaNumber, const AreaRecord& area);

/// Records `code` (empty: none) with its parameters as the order of the
/// selected area: a move or support whose target CheckMove refuses is not
/// recorded; otherwise the old order's supply effect is taken back, the grid
/// row shows the new order and its arrow is drawn. MapMode ends either way.
/// Answers whether the order was recorded.
bool SetAreaOrder(const OrderContext& context, const QString& code, std::int16_t p1,
                  std::int16_t p2);

}  // namespace qm
