#pragma once

#include "model/FileEntry.h"
#include "ui/widgets/FileTypeCache.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of the folder browser's file list: name, size in bytes, type and
// time of change of each file. Cell texts are made when a view asks for them.
class CFolderFilesModel : public QAbstractTableModel {
public:
    explicit CFolderFilesModel(QObject *parent);

    void SetFiles(std::vector<CFileEntry> files);

    // Width of each column in pixels, in column order.
    static std::vector<int> ColumnWidths();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<CFileEntry> m_files;
    mutable FileTypeCache m_types;
};
