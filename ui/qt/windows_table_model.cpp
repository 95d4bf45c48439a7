// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_table_model.h"

#include <cstdint>
#include <vector>

#include "ui/model/windows_window_model.h"

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
    // The view's persistent indices (the selected row) follow their rows: each shown row's
    // window before the sort, and each window's shown row after it.
    const QModelIndexList persistent = persistentIndexList();
    std::vector<std::size_t> windows;
    for (const QModelIndex& index : persistent) {
        windows.push_back(model_.RowShown(static_cast<std::size_t>(index.row())));
    }
    model_.SortRows(column, order == Qt::AscendingOrder);
    if (!persistent.isEmpty()) {
        std::vector<int> shownOf(model_.Rows().size());
        for (std::size_t shown = 0; shown < shownOf.size(); ++shown) {
            shownOf[model_.RowShown(shown)] = static_cast<int>(shown);
        }
        QModelIndexList moved;
        for (std::size_t i = 0; i < windows.size(); ++i) {
            moved << index(shownOf[windows[i]], persistent[static_cast<int>(i)].column());
        }
        changePersistentIndexList(persistent, moved);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace velmorant
