#pragma once
// The Summary window: the current player's eight running totals.

#include "state/SummaryRows.h"

#include <QWidget>

class QTableWidget;

namespace qm {

class frmSummary : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = static_cast<int>(kSummaryRows.size());
    explicit frmSummary(QWidget* parent = nullptr);

    /// Places the window at the top of the screen, just right of `mainWindow`.
    void PlaceBeside(const QWidget& mainWindow);
    /// Writes one cell of the totals column (column 1); other cells are labels.
    void SetCell(int row, int column, const QString& text);
    QTableWidget* grdSummary() const { return grdSummary_; }

private:
    QTableWidget* grdSummary_ = nullptr;
};

}  // namespace qm
