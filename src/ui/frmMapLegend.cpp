#include "ui/frmMapLegend.h"

#include "map/MapLegend.h"
#include "ui/WindowMetrics.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmMapLegend::frmMapLegend(const DisplaySettings& display, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMapLegend"));
    setWindowTitle(QStringLiteral("Map Legend"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    int row = 0;
    for (const LegendEntry& entry : MapLegend(display)) {
        auto* picture = new QLabel(this);
        // Twice the board's size, pixel for pixel, so the small pictures read.
        picture->setPixmap(QPixmap::fromImage(entry.picture.scaled(entry.picture.size() * 2)));
        auto* meaning = new QLabel(entry.meaning, this);
        meaning->setObjectName(QStringLiteral("lblLegend%1").arg(row));
        grid->addWidget(picture, row, 0);
        grid->addWidget(meaning, row, 1);
        ++row;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignRight);
}

}  // namespace qm
