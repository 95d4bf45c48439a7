// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/windows_table_model.h"

#include <cstddef>
#include <vector>

#include "ui/model/windows_window/windows_window_model.h"

namespace velmorant {

WindowsTableModel::WindowsTableModel(WindowsWindowModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {
    for (const std::string& heading : WindowsTableHeadings()) {
        headings_ << QString::fromStdString(heading);
    }
}

void WindowsTableModel::Reset(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

int WindowsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(model_.Rows().size());
}

int WindowsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant WindowsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)) {
        return {};
    }
    const WindowsTableCell cell =
        model_.ShownCell(static_cast<std::size_t>(index.row()), index.column());
    if (role == Qt::TextAlignmentRole) {
        return cell.Number ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    }
    return QString::fromStdString(cell.Text);
}

QVariant WindowsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headings_.size()) {
        return headings_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void WindowsTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The view's persistent indices (the selected row) follow their rows.
    const QModelIndexList persistent = persistentIndexList();
    std::vector<std::size_t> places;
    for (const QModelIndex& index : persistent) {
        places.push_back(static_cast<std::size_t>(index.row()));
    }
    model_.SortRows(column, order == Qt::AscendingOrder, places);
    if (!persistent.isEmpty()) {
        QModelIndexList moved;
        for (std::size_t i = 0; i < places.size(); ++i) {
            moved << index(static_cast<int>(places[i]), persistent[static_cast<int>(i)].column());
        }
        changePersistentIndexList(persistent, moved);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace velmorant
