#pragma once

#include "ui/main/FileListCtrl.h"

#include <QAbstractTableModel>

#include <vector>

// The item model of a CFileListCtrl: it holds no rows of its own but asks the
// row source for each cell as the views draw it.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSource(const IFileListSource *source);
    void setColumns(const std::vector<FileListColumn> &columns);
    const std::vector<FileListColumn> &columns() const { return m_columns; }
    void reset();
    void rowsChanged(int first, int last);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const IFileListSource *m_source = nullptr;
    std::vector<FileListColumn> m_columns;
};
