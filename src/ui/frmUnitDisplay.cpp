#include "ui/frmUnitDisplay.h"

#include "map/Artwork.h"
#include "map/UnitDisplay.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qm {

namespace {

// The artwork is an exclusive-or mask; on white it shows black.
QPixmap OnWhite(const QImage& mask) {
    QImage shown = mask.convertToFormat(QImage::Format_RGB32);
    shown.invertPixels();
    return QPixmap::fromImage(shown.scaled(mask.size() * 2));
}

}  // namespace

frmUnitDisplay::frmUnitDisplay(const GameState& game, MapState& map, WindowPort& port,
                               QWidget* parent)
    : QDialog(parent), game_(game), map_(map), port_(port) {
    setObjectName(QStringLiteral("frmUnitDisplay"));
    setWindowTitle(QStringLiteral("Unit Display"));
    auto* layout = new QGridLayout(this);
    const Artwork& art = StandardArtwork();
    for (int i = 0; i < 8; ++i) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("picUnitSymbol%1").arg(i));
        image->setPixmap(OnWhite(art.picUnit[static_cast<std::size_t>(i)]));
        layout->addWidget(image, i / 4, i % 4, Qt::AlignCenter);
        picUnitSymbol_[static_cast<std::size_t>(i)] = image;
    }
    auto* names = new QLabel(QStringLiteral("Army    Corps   Fleet   Squadron"), this);
    names->setObjectName(QStringLiteral("lblUnitNames"));
    layout->addWidget(names, 2, 0, 1, 4);
    cmdSymbol_ = new QPushButton(QStringLiteral("Symbol"), this);
    cmdSymbol_->setObjectName(QStringLiteral("cmdSymbol"));
    cmdPicture_ = new QPushButton(QStringLiteral("Picture"), this);
    cmdPicture_->setObjectName(QStringLiteral("cmdPicture"));
    cmdPicture_->setAutoDefault(false);
    cmdSymbol_->setAutoDefault(false);
    layout->addWidget(cmdSymbol_, 3, 0, 1, 2);
    layout->addWidget(cmdPicture_, 3, 2, 1, 2);
    connect(cmdSymbol_, &QPushButton::clicked, this, [this] { Choose(kUnitSymbols); });
    connect(cmdPicture_, &QPushButton::clicked, this, [this] { Choose(kUnitPictures); });
}

void frmUnitDisplay::Choose(std::int16_t display) {
    // Choosing what is already shown keeps the window open.
    if (SetUnitDisplay(game_, map_, port_, display)) accept();
}

}  // namespace qm
