#pragma once
// The victory conditions window: the proposed number of turns and points,
// each typed or set with a scroll bar. Not modal.

#include "orders/VictoryConditions.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QScrollBar;

namespace qm {

struct Session;

class frmVictoryConditions : public QWidget {
    Q_OBJECT
public:
    explicit frmVictoryConditions(Session& session, QWidget* parent = nullptr);

    QLineEdit* txtVC(int index) const { return txtVC_[static_cast<std::size_t>(index)]; }
    QScrollBar* hsclVC(int index) const { return hsclVC_[static_cast<std::size_t>(index)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// Tells once per text that a field's number does not fit; a fitting one is settled.
    void CheckFits(int index);

    Session& session_;
    VictoryProposal proposal_;
    std::array<QLineEdit*, 2> txtVC_{};
    std::array<QScrollBar*, 2> hsclVC_{};
    std::array<QString, 2> refused_;  // the text last refused in each field
};

}  // namespace qm
