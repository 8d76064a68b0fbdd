#include "ui/frmRelations.h"

#include "orders/Diplomacy.h"
#include "state/GameState.h"
#include "ui/WindowMetrics.h"

#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

frmRelations::frmRelations(const GameState& game, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRelations"));
    setWindowTitle(QStringLiteral("Relations"));

    // The reader keeps PlayerCount inside the table; the bound only guards the grid.
    const int players = std::clamp<int>(game.PlayerCount, 0, kLastPlayer);
    grdRelations_ = new QTableWidget(players, players, this);
    grdRelations_->setObjectName(QStringLiteral("grdRelations"));
    ConfigureFixedGrid(*grdRelations_);

    const QFontMetrics metrics(grdRelations_->font());
    QStringList names = {QStringLiteral("GRMN")};
    for (int i = 1; i < players; ++i) names.append(game.player(i).ShortName);
    const int columnWidth = NamesColumnWidth(*grdRelations_, names);
    const int rowHeight = metrics.height() + 4;
    for (int i = 0; i < players; ++i) {
        grdRelations_->setColumnWidth(i, columnWidth);
        grdRelations_->setRowHeight(i, rowHeight);
    }
    if (players > 0) grdRelations_->setItem(0, 0, FixedCell(*grdRelations_, QString()));
    for (int i = 1; i < players; ++i) {
        const QString name = game.player(i).ShortName;
        QTableWidgetItem* heading = FixedCell(*grdRelations_, name);
        heading->setTextAlignment(Qt::AlignCenter);
        grdRelations_->setItem(0, i, heading);
        grdRelations_->setItem(i, 0, FixedCell(*grdRelations_, name));
        for (int j = 1; j < players; ++j) {
            auto* cell = new QTableWidgetItem(
                RelationMark(game, static_cast<std::int16_t>(i), static_cast<std::int16_t>(j)));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled);
            grdRelations_->setItem(i, j, cell);
        }
    }
    FitGrid(*grdRelations_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(grdRelations_);
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qm
