#pragma once

#include "ui/widgets/FileListCtrl.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

// The item model of a CFileListCtrl: it holds no rows of its own but asks the
// row source for each cell as the views draw it. Changes of the source's rows
// go through it so that the views and the selection follow them.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSource(const IFileListSource *source);
    void setColumns(const std::vector<FileListColumn> &columns);
    const std::vector<FileListColumn> &columns() const { return m_columns; }
    // The source changes its rows in `change` (if given): everything is read again.
    void reset(const std::function<void()> &change = {});
    // See CFileListCtrl::InsertRows, RemoveRows and ReorderRows.
    void insertSourceRows(int first, int count, const std::function<void()> &insert);
    void removeSourceRows(const std::vector<int> &rows,
                          const std::function<void(int first, int last)> &removeRange);
    // Moves the indexes held with their rows, those of a selection's ranges
    // one by one: the owner takes the selection out first. Returns the new
    // row of each old row, as `reorder` gave it.
    std::vector<int> reorderSourceRows(const std::function<std::vector<int>()> &reorder);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const IFileListSource *m_source = nullptr;
    std::vector<FileListColumn> m_columns;
};
