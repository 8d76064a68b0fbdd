#pragma once
// The typed order: one line in the words of the orders file ("MO 60 58",
// "SA 60 58 3", "AA 58", "DA Ormanth", "GA Ormanth ALL", "SP 12 13") given
// through exactly the rules, messages, supply accounting and arrows the mouse
// goes through. Areas are named by number or name, players by number, short
// or full name; a name of several words may be typed with blanks or "_".

#include <QString>

#include <cstdint>
#include <vector>

namespace qm {

struct GameState;
struct OrderContext;
struct SpyTargets;
class OrderHistory;

/// Carries out the line as one step of the orders' history. A line that does
/// not read as an order is told why (a stop message); a refusal of the rules
/// is told as the mouse path tells it; while a kept turn is shown nothing is
/// taken. Answers whether the orders changed.
bool EnterOrderLine(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
                    const QString& line);

/// What the last word of `line` may become: the codes first, then areas
/// ("58", "Loromark") or players, as the words before it ask; names with
/// "_" for their blanks, so that a completed word stays one word.
std::vector<QString> OrderLineCompletions(const OrderContext& context, const QString& line);

/// The area a find names: by its number, or by its name or a part of it that
/// fits one area alone (a whole name wins over parts); 0 when none or several.
std::int16_t FindArea(const GameState& game, const QString& text);

/// Every area as the find box offers it: "60 Loromark", or the number alone.
std::vector<QString> AreaChoices(const GameState& game);

/// The codes the line knows, in the order the completion offers them.
inline constexpr const char* kOrderLineCodes[] = {"MO", "SA", "SD", "CO", "AA",    "AC", "AF",
                                                  "AS", "UU", "DU", "RU", "DA",    "DN", "DW",
                                                  "GA", "CA", "VC", "SP", "Cancel"};

}  // namespace qm
