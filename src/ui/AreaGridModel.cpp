#include "ui/AreaGridModel.h"

#include <algorithm>

namespace qm {

const std::array<const char*, kAreaColumnCount> AreaGridModel::kHeadings = {
    "ID", "Area Name", "Owner", "Type", "Supply", "Owner", "Type", "Command", "Parm1", "Parm2"};

const std::array<const char*, kAreaColumnCount> AreaGridModel::kWidthSamples = {
    " 222 ",      " SouthWest_Atlantic_Ocean ",
    " Owner ",    " coast ",
    " Supply ",   " Owner ",
    " squadron ", " Command ",
    " Parm1 ",    " Parm2 "};

Qt::Alignment AreaGridModel::ColumnAlignment(int column) {
    if (column == kColId) return Qt::AlignRight | Qt::AlignVCenter;
    if (column == kColSupply) return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

AreaGridModel::AreaGridModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int column = 0; column < kAreaColumnCount; ++column)
        headings_[static_cast<std::size_t>(column)] = QString::fromLatin1(kHeadings[column]);
}

void AreaGridModel::SetGridRows(int gridRows) {
    const int wanted = std::max(gridRows - 1, 0);
    const int current = static_cast<int>(rows_.size());
    if (wanted > current) {
        beginInsertRows({}, current, wanted - 1);
        rows_.resize(static_cast<std::size_t>(wanted));
        endInsertRows();
    } else if (wanted < current) {
        beginRemoveRows({}, wanted, current - 1);
        rows_.resize(static_cast<std::size_t>(wanted));
        endRemoveRows();
    }
}

void AreaGridModel::SetGridCell(int gridRow, int column, const QString& text) {
    if (column < 0 || column >= kAreaColumnCount) return;
    const auto col = static_cast<std::size_t>(column);
    if (gridRow == 0) {
        headings_[col] = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    if (gridRow < 1 || gridRow > static_cast<int>(rows_.size())) return;
    QString& cell = rows_[static_cast<std::size_t>(gridRow - 1)][col];
    if (cell == text) return;
    cell = text;
    const QModelIndex changed = index(gridRow - 1, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

QString AreaGridModel::GridCell(int gridRow, int column) const {
    if (column < 0 || column >= kAreaColumnCount) return {};
    const auto col = static_cast<std::size_t>(column);
    if (gridRow == 0) return headings_[col];
    if (gridRow < 1 || gridRow > static_cast<int>(rows_.size())) return {};
    return rows_[static_cast<std::size_t>(gridRow - 1)][col];
}

int AreaGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AreaGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kAreaColumnCount;
}

QVariant AreaGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole) return GridCell(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole) return ColumnAlignment(index.column()).toInt();
    return {};
}

QVariant AreaGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < kAreaColumnCount) {
        if (role == Qt::DisplayRole) return headings_[static_cast<std::size_t>(section)];
        if (role == Qt::TextAlignmentRole) return ColumnAlignment(section).toInt();
        return {};
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

}  // namespace qm
