#pragma once
// The cells of the main window's area grid. Grid row 0 is the heading row and
// becomes the view's header; grid row i (area i) is model row i - 1.

#include "state/RefreshDisplay.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace qm {

class AreaGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AreaGridModel(QObject* parent = nullptr);

    /// Column headings, in column order.
    static const std::array<const char*, kAreaColumnCount> kHeadings;
    /// Texts whose width in the grid's font sets each column's width.
    static const std::array<const char*, kAreaColumnCount> kWidthSamples;
    static Qt::Alignment ColumnAlignment(int column);

    /// Grid rows including the heading row; cells of kept rows keep their text.
    void SetGridRows(int gridRows);
    /// Writes one cell; grid row 0 writes the heading. Out-of-range cells are ignored.
    void SetGridCell(int gridRow, int column, const QString& text);
    QString GridCell(int gridRow, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    using Row = std::array<QString, kAreaColumnCount>;
    Row headings_;
    std::vector<Row> rows_;
};

}  // namespace qm
