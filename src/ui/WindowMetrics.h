#pragma once
// Shared sizing of the small read-only grids and the twips of window placement.

#include <QString>

class QTableWidget;
class QTableWidgetItem;

namespace qm {

/// 15 twips to a pixel on a 96 dots-per-inch screen.
inline int TwipsToPixels(int twips) { return (twips + 7) / 15; }

/// A read-only grid without headers or scroll bars, whose cells are all shown.
void ConfigureFixedGrid(QTableWidget& grid);

/// A header-like cell: shaded, not selectable.
QTableWidgetItem* FixedCell(const QTableWidget& grid, const QString& text);

/// Sizes the grid to show every cell exactly.
void FitGrid(QTableWidget& grid);

}  // namespace qm
