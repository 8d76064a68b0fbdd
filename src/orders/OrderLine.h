#pragma once
// The typed order: one line in the words of the orders file ("MO 60 58",
// "SA 60 58 3", "AA 58", "DA Ormanth", "GA Ormanth ALL", "SP 12 13") given
// through exactly the rules, messages, supply accounting and arrows the mouse
// goes through. Areas are named by number or name, players by number, short
// or full name; a name of several words may be typed with blanks or "_".

#include <QString>

namespace qm {

struct OrderContext;
struct SpyTargets;
class OrderHistory;

/// Carries out the line as one step of the orders' history. A line that does
/// not read as an order is told why (a stop message); a refusal of the rules
/// is told as the mouse path tells it; while a kept turn is shown nothing is
/// taken. Answers whether the orders changed.
bool EnterOrderLine(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
                    const QString& line);

}  // namespace qm
