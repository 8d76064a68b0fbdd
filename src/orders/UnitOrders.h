#pragma once
// The orders that create, change or disband a unit, and clearing an order.
// Each acts on the selected area, checks its rules in a fixed order and shows
// the first that fails with a stop message, recording nothing.

#include <cstdint>

namespace qm {

struct Session;

/// unitType 1..4 builds an army, corps, fleet or squadron ("AA", "AC", "AF", "AS").
void BuildUnit(Session& session, std::int16_t unitType);
void UpgradeUnit(Session& session);
void DowngradeUnit(Session& session);
void RemoveUnit(Session& session);
/// Clears the area's order and gives back its supply effect.
void ClearAreaOrder(Session& session);

}  // namespace qm
