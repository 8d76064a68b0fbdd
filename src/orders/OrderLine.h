#pragma once
// The typed order: one line in the words of the orders file ("MO 60 58",
// "SA 60 58 3", "AA 58", "DA Ormanth", "GA Ormanth ALL", "SP 12 13") given
// through exactly the rules, messages, supply accounting and arrows the mouse
// goes through. Areas are named by number or name, players by number, short
// or full name; a name of several words may be typed with blanks or "_".

#include <QString>

#include <vector>

namespace qm {

struct OrderContext;
struct SpyTargets;
class OrderHistory;

/// Carries out the line as one step of the orders' history. A line that does
/// not read as an order is told why (a stop message); a refusal of the rules
/// is told as the mouse path tells it. Answers whether the orders changed.
bool EnterOrderLine(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
                    const QString& line);

/// What the last word of `line` may become: the codes first, then areas
/// ("58", "Loromark") or players, as the words before it ask; names with
/// "_" for their blanks, so that a completed word stays one word.
std::vector<QString> OrderLineCompletions(const OrderContext& context, const QString& line);

/// The codes the line knows, in the order the completion offers them.
inline constexpr const char* kOrderLineCodes[] = {"MO", "SA", "SD", "CO", "AA", "AC", "AF",
                                                  "AS", "UU", "DU", "RU", "DA", "DN", "DW",
                                                  "GA", "CA", "VC", "SP", "Cancel"};

}  // namespace qm
