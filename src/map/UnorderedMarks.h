#pragma once
// The turn check's marks on the view: a ring around each own unit that still
// has no order, while MapPicture::MarkUnordered is set.

namespace qm {

struct GameState;
struct MapState;

/// Draws the marks on picView (called by RefreshView after the arrows).
void PaintUnorderedMarks(const GameState& game, MapState& map);
/// Marks the areas the change list names, while MapPicture::MarkChanges is set.
void PaintChangeMarks(const GameState& game, MapState& map);

}  // namespace qm
