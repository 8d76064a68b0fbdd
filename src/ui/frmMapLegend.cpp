#include "ui/frmMapLegend.h"

#include "map/MapLegend.h"
#include "orders/MapKeys.h"
#include "ui/WindowMetrics.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmMapLegend::frmMapLegend(const DisplaySettings& display, QWidget* parent)
    : QDialog(parent), display_(display) {
    setObjectName(QStringLiteral("frmMapLegend"));
    setWindowTitle(QStringLiteral("Map Legend"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    int row = 0;
    for (const LegendEntry& entry : MapLegend(display)) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("picLegend%1").arg(row));
        auto* meaning = new QLabel(entry.meaning, this);
        meaning->setObjectName(QStringLiteral("lblLegend%1").arg(row));
        grid->addWidget(picture, row, 0);
        grid->addWidget(meaning, row, 1);
        pictures_.push_back(picture);
        ++row;
    }
    ShowPictures();
    // The map window's keys below the pictures, the keys where the pictures stand.
    for (const auto& [keys, meaning] : MapKeyList()) {
        auto* key = new QLabel(QStringLiteral("<b>%1</b>").arg(keys.toHtmlEscaped()), this);
        key->setObjectName(QStringLiteral("lblKeys%1").arg(row));
        auto* what = new QLabel(meaning, this);
        what->setObjectName(QStringLiteral("lblLegend%1").arg(row));
        what->setWordWrap(true);
        grid->addWidget(key, row, 0);
        grid->addWidget(what, row, 1);
        ++row;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MakeCloseButton(*this), 0, Qt::AlignRight);
}

void frmMapLegend::ShowPictures() {
    const std::vector<LegendEntry> legend = MapLegend(display_);
    for (std::size_t i = 0; i < legend.size() && i < pictures_.size(); ++i) {
        const QImage& picture = legend[i].picture;
        // Twice the board's size, pixel for pixel, so the small pictures read.
        pictures_[i]->setPixmap(QPixmap::fromImage(picture.scaled(picture.size() * 2)));
    }
}

}  // namespace qm
