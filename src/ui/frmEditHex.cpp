#include "ui/frmEditHex.h"

#include "map/HexEditing.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qm {

frmEditHex::frmEditHex(GameState& game, HexGrid& hexes, QWidget* parent)
    : QDialog(parent), game_(game), hexes_(hexes) {
    setObjectName(QStringLiteral("frmEditHex"));
    setWindowTitle(QStringLiteral("Edit Hex"));
    auto* layout = new QGridLayout(this);
    lblX_ = new QLabel(this);
    lblX_->setObjectName(QStringLiteral("lblX"));
    lblY_ = new QLabel(this);
    lblY_->setObjectName(QStringLiteral("lblY"));
    txtArea_ = new QLineEdit(this);
    txtArea_->setObjectName(QStringLiteral("txtArea"));
    layout->addWidget(new QLabel(QStringLiteral("Column"), this), 0, 0);
    layout->addWidget(lblX_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Row"), this), 1, 0);
    layout->addWidget(lblY_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Area"), this), 2, 0);
    layout->addWidget(txtArea_, 2, 1);
    const char* sides[] = {"Top",    "Upper right", "Lower right",
                           "Bottom", "Lower left",  "Upper left"};
    for (int side = 1; side <= 6; ++side) {
        auto* box = new QCheckBox(QString::fromLatin1(sides[side - 1]), this);
        box->setObjectName(QStringLiteral("chkBorder%1").arg(side));
        layout->addWidget(box, 2 + side, 0);
        chkBorder_[static_cast<std::size_t>(side)] = box;
    }
    const char* labels[] = {"Number", "Unit", "Supply"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(labels[i]), this);
        box->setObjectName(QStringLiteral("chkDisplay%1").arg(i));
        layout->addWidget(box, 3 + i, 1);
        chkDisplay_[static_cast<std::size_t>(i)] = box;
    }
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    layout->addWidget(cmdOK_, 9, 1);
    connect(cmdOK_, &QPushButton::clicked, this, &frmEditHex::Store);
}

void frmEditHex::ShowCell(int column, int row) {
    const HexCellEdit edit = EditOfCell(hexes_, column, row);
    lblX_->setText(QString::number(column));
    lblY_->setText(QString::number(row));
    txtArea_->setText(edit.areaText);
    for (int side = 1; side <= 6; ++side)
        chkBorder(side)->setChecked(edit.borders[static_cast<std::size_t>(side - 1)]);
    for (int i = 0; i < 3; ++i) chkDisplay(i)->setChecked(edit.labels[static_cast<std::size_t>(i)]);
}

void frmEditHex::Store() {
    HexCellEdit edit;
    edit.areaText = txtArea_->text();
    for (int side = 1; side <= 6; ++side)
        edit.borders[static_cast<std::size_t>(side - 1)] = chkBorder(side)->isChecked();
    for (int i = 0; i < 3; ++i)
        edit.labels[static_cast<std::size_t>(i)] = chkDisplay(i)->isChecked();
    // An area outside 1..273 closes the window without a change.
    StoreHexCell(game_, hexes_, lblX_->text().toInt(), lblY_->text().toInt(), edit);
    accept();
}

}  // namespace qm
