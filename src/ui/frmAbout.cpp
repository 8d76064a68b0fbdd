#include "ui/frmAbout.h"

#include "ui/Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qm {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zez-QM 32bit"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Zez-QM"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QLatin1Char(' ') + VersionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* date = new QLabel(QStringLiteral("1999-Feb-25"), this);
    date->setObjectName(QStringLiteral("lblDate"));
    for (QLabel* label : {name, version, date}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace qm
