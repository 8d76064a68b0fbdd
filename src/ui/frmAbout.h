#pragma once
// The About window: the program's name, version and date.

#include <QDialog>

namespace qm {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace qm
