// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QAbstractTableModel>

namespace velmorant {

class WindowsWindowModel;

// The Windows tab's table for a QTableView: the rows the window's model holds, their cells made
// only when the view shows them, sorted by the model when a heading is clicked.
class WindowsTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit WindowsTableModel(WindowsWindowModel& model, QObject* parent = nullptr);

    // Runs `change`, which may replace the window model's rows, as one reset of the table.
    void Reset(const std::function<void()>& change);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    WindowsWindowModel& model_;
    QStringList headings_;
};

}  // namespace velmorant
