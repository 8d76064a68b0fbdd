#pragma once
// The main window's area grid: the two-group title above it and the grid of
// areas, sized from the font to the designed columns.

class QTableView;
class QTableWidget;
class QWidget;

namespace qm {

class AreaGridModel;

struct AreaGridView {
    QWidget* central = nullptr;  // holds both, for the main window's centre
    QTableView* grdArea = nullptr;
    QTableWidget* grdAreaTitle = nullptr;
};

/// Builds the grid over model inside a new widget of parent.
AreaGridView BuildAreaGridView(QWidget* parent, AreaGridModel* model);

}  // namespace qm
