#pragma once
// List boxes that keep a number with each entry, as the dialogs use them.

#include <QListWidget>

#include <cstdint>
#include <optional>

namespace qm {

struct GameState;

/// Adds an entry showing `text` that carries `data`.
void AddListEntry(QListWidget& list, const QString& text, int data);

/// Adds player `player`, shown by PlayerName.
void AddPlayerEntry(QListWidget& list, const GameState& game, std::int16_t player);

/// The number kept with the selected entry, if one is selected.
std::optional<std::int16_t> SelectedEntryData(const QListWidget& list);

/// Removes the selected entry and leaves no entry selected: the list would
/// otherwise select the next one, which a second Delete would remove unpicked.
void RemoveSelectedEntry(QListWidget& list);

}  // namespace qm
