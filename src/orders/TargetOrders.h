#pragma once
// The orders that the second click of the map completes: the unit in the
// selected area moves, supports or convoys toward the clicked area t.
// A refusal records nothing and ends the map mode; a warning lets the order stand.

#include <cstdint>

namespace qm {

struct OrderContext;

void MoveOrder(const OrderContext& context, std::int16_t t);
/// Asks the windows whose attack is supported and keeps the answer in SupportedPlayer.
void SupportAttackOrder(const OrderContext& context, std::int16_t t);
void SupportDefendOrder(const OrderContext& context, std::int16_t t);
void ConvoyOrder(const OrderContext& context, std::int16_t t);

/// The stop message of a click that hit no area.
inline constexpr char16_t kNoAreaThere[] = u"No area there: click inside an area";

}  // namespace qm
