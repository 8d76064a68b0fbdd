#include "ui/frmYourAreas.h"

#include "state/YourAreas.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

// Some monospaced fonts do not say so; what counts is that the columns line up.
bool LinesUp(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'M') &&
           metrics.horizontalAdvance(u' ') == metrics.horizontalAdvance(u'M');
}

QFont ListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (LinesUp(font)) return font;
    // Where Courier New is missing, any fixed font keeps the columns.
    for (QFont other :
         {QFontDatabase::systemFont(QFontDatabase::FixedFont),
          QFont(QStringLiteral("DejaVu Sans Mono")), QFont(QStringLiteral("monospace"))})
        if (LinesUp(other)) return other;
    return font;
}

}  // namespace

frmYourAreas::frmYourAreas(const GameState& game, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game) {
    setObjectName(QStringLiteral("frmYourAreas"));
    setWindowTitle(QStringLiteral("Your Areas"));
    setAttribute(Qt::WA_DeleteOnClose);

    lstYourAreas_ = new QListWidget(this);
    lstYourAreas_->setObjectName(QStringLiteral("lstYourAreas"));
    lstYourAreas_->setFont(ListFont());
    cmdRefreash_ = new QPushButton(QStringLiteral("Refresh"), this);
    cmdRefreash_->setObjectName(QStringLiteral("cmdRefreash"));
    connect(cmdRefreash_, &QPushButton::clicked, this, &frmYourAreas::FillList);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstYourAreas_);
    layout->addWidget(cmdRefreash_);
    const QFontMetrics metrics(lstYourAreas_->font());
    resize(metrics.horizontalAdvance(QStringLiteral("273 GRMN S SA 273 12")) + 60,
           metrics.height() * 20);
    FillList();
}

void frmYourAreas::FillList() {
    lstYourAreas_->clear();
    lstYourAreas_->addItems(FillYourAreas(game_));
}

}  // namespace qm
