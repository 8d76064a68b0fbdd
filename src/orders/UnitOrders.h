#pragma once
// The orders that create, change or disband a unit, and clearing an order.
// Each acts on the selected area, checks its rules in a fixed order and shows
// the first that fails with a stop message, recording nothing.

#include <cstdint>

namespace qm {

struct OrderContext;

/// The refusal of an order for a unit the player does not have in the area.
inline constexpr char16_t kNoOwnUnitThere[] = u"No unit there owned by you";

/// unitType 1..4 builds an army, corps, fleet or squadron ("AA", "AC", "AF", "AS").
void BuildUnit(const OrderContext& context, std::int16_t unitType);
void UpgradeUnit(const OrderContext& context);
void DowngradeUnit(const OrderContext& context);
void RemoveUnit(const OrderContext& context);
/// Clears the area's order and gives back its supply effect.
void ClearAreaOrder(const OrderContext& context);

}  // namespace qm
