#include "ui/frmMapOptions.h"

#include "map/DisplaySettings.h"
#include "map/StarterSettings.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "ui/ColourSwatch.h"
#include "ui/WindowMetrics.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>

namespace qm {

const int frmMapOptions::kAcross = TwipsToPixels(1560);
const int frmMapOptions::kDown = TwipsToPixels(360);

namespace {

const int kSwatch = TwipsToPixels(255);
constexpr int kMargin = 8;
constexpr int kLabelWidth = 80;

}  // namespace

frmMapOptions::frmMapOptions(DisplaySettings& display, const GameState& game, QWidget* parent)
    : QDialog(parent), display_(display) {
    setObjectName(QStringLiteral("frmMapOptions"));
    setWindowTitle(QStringLiteral("Map Options"));

    for (int k = 0; k < static_cast<int>(kArrowOrders.size()); ++k) {
        const auto index = static_cast<std::size_t>(k);
        picArrow_[index] = AddPair(QStringLiteral("Arrow%1").arg(k),
                                   kArrowOrders[index] + QStringLiteral(" Arrow"), QPoint(k, 0),
                                   display.ArrowColours[index]);
    }
    picWater_ = AddPair(QStringLiteral("Water"), QStringLiteral("Water"), QPoint(1, 1),
                        display.WaterColour);
    picBorders_ = AddPair(QStringLiteral("Borders"), QStringLiteral("Borders"), QPoint(2, 1),
                          display.BorderColour);
    // Neutral opens the block of country colours; the players follow four to a row.
    for (int i = 0; i <= kLastPlayer; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const QString caption = i == 0 ? QStringLiteral("Neutral") : game.player(i).ShortName;
        picColour_[index] =
            AddPair(QStringLiteral("Colour%1").arg(i), caption, QPoint(i % 4, 2 + i / 4),
                    display.CountryColours[index], &lblColour_[index]);
    }
    // The empty fourth place of the water and borders row.
    auto* starter = new QPushButton(QStringLiteral("Starter palette"), this);
    starter->setObjectName(QStringLiteral("cmdStarterPalette"));
    starter->setGeometry(kMargin + 3 * kAcross, kMargin + kDown, kAcross - kMargin, kSwatch + 4);
    connect(starter, &QPushButton::clicked, this, [this] {
        ApplyStarterPalette(display_);
        ShowColours();
    });
    setFixedSize(2 * kMargin + 4 * kAcross, 2 * kMargin + (3 + game.PlayerCount / 4) * kDown);
}

// The pair "lbl" + name and "pic" + name at place `at` of the design's grid.
ColourSwatch* frmMapOptions::AddPair(const QString& name, const QString& caption, QPoint at,
                                     std::int32_t& value, QLabel** labelOut) {
    const int x = kMargin + at.x() * kAcross;
    const int y = kMargin + at.y() * kDown;
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name);
    label->setGeometry(x, y, kLabelWidth, kSwatch);
    auto* swatch = new ColourSwatch(QStringLiteral("pic") + name, this);
    swatch->setGeometry(x + kLabelWidth + 2, y, kSwatch, kSwatch);
    swatch->SetColour(value);
    connect(swatch, &ColourSwatch::clicked, this,
            [this, swatch, &value] { Choose(*swatch, value); });
    if (labelOut) *labelOut = label;
    return swatch;
}

void frmMapOptions::ShowColours() {
    for (std::size_t k = 0; k < picArrow_.size(); ++k)
        picArrow_[k]->SetColour(display_.ArrowColours[k]);
    for (std::size_t i = 0; i < picColour_.size(); ++i)
        picColour_[i]->SetColour(display_.CountryColours[i]);
    picWater_->SetColour(display_.WaterColour);
    picBorders_->SetColour(display_.BorderColour);
}

void frmMapOptions::Choose(ColourSwatch& swatch, std::int32_t& value) {
    QColorDialog chooser(PickerColour(value), this);
    chooser.setObjectName(QStringLiteral("CMDialog1"));
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    // Cancelling keeps the colour the swatch had.
    if (chooser.exec() != QDialog::Accepted) return;
    value = SettingsColour(chooser.selectedColor());
    swatch.SetColour(value);
}

}  // namespace qm
