#include "ui/frmYourAreas.h"

#include "state/YourAreas.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QFont ListFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Where Courier New is missing, the system's fixed font keeps the columns.
    if (!QFontInfo(font).fixedPitch()) return QFontDatabase::systemFont(QFontDatabase::FixedFont);
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
