#pragma once
// Shared sizing of the small read-only grids and the twips of window placement.

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

class QPushButton;
class QWidget;
class QTableWidget;
class QTableWidgetItem;

namespace qm {

/// 15 twips to a pixel on a 96 dots-per-inch screen.
inline int TwipsToPixels(int twips) { return (twips + 7) / 15; }

/// The map window's inner rectangle on the screen: from `outerTop` (below the
/// main window) down to the bottom of the `available` area, as wide as
/// `wantedWidth` or the screen, with `frame` being what the window manager
/// adds around the inner area (nothing without one). The inner height never
/// drops below `minHeight`.
QRect MapWindowPlacement(const QRect& available, int outerTop, const QMargins& frame,
                         int wantedWidth, int minHeight);

/// A "Close" button (cmdClose) that closes the window as its title bar would;
/// the caller places it.
QPushButton* MakeCloseButton(QWidget& window);

/// A read-only grid without headers or scroll bars, whose cells are all shown.
void ConfigureFixedGrid(QTableWidget& grid);

/// A header-like cell: shaded, not selectable.
QTableWidgetItem* FixedCell(const QTableWidget& grid, const QString& text);

/// Sizes the grid to show every cell exactly.
void FitGrid(QTableWidget& grid);

/// A column width that shows each of the texts whole in the grid's font: the
/// widest text with the padding the style puts around a cell's text, and the
/// grid line.
int NamesColumnWidth(const QTableWidget& grid, const QStringList& texts);

}  // namespace qm
