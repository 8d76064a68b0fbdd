#include "ui/PlayerList.h"

#include "state/GameState.h"

namespace qm {

void AddListEntry(QListWidget& list, const QString& text, int data) {
    auto* item = new QListWidgetItem(text, &list);
    item->setData(Qt::UserRole, data);
}

void AddPlayerEntry(QListWidget& list, const GameState& game, std::int16_t player) {
    AddListEntry(list, game.player(player).PlayerName, player);
}

std::optional<std::int16_t> SelectedEntryData(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<std::int16_t>(selected.front()->data(Qt::UserRole).toInt());
}

void RemoveSelectedEntry(QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return;
    delete selected.front();
    list.clearSelection();
    list.setCurrentItem(nullptr);
}

}  // namespace qm
