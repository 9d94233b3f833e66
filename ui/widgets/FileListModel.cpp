#include "ui/widgets/FileListModel.h"

#include <QColor>

#include <algorithm>

void FileListModel::setSource(const IFileListSource *source)
{
    beginResetModel();
    m_source = source;
    endResetModel();
}

void FileListModel::setColumns(const std::vector<FileListColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void FileListModel::reset(const std::function<void()> &change)
{
    beginResetModel();
    if (change)
        change();
    endResetModel();
}

void FileListModel::insertSourceRows(int first, int count, const std::function<void()> &insert)
{
    if (count <= 0)
        return;
    beginInsertRows({}, first, first + count - 1);
    insert();
    endInsertRows();
}

void FileListModel::removeSourceRows(const std::vector<int> &rows,
                                     const std::function<void(int first, int last)> &removeRange)
{
    // From the end, so that the rows of the ranges still to come keep their numbers.
    std::size_t end = rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] + 1 == rows[begin])
            --begin;
        beginRemoveRows({}, rows[begin], rows[end - 1]);
        removeRange(rows[begin], rows[end - 1]);
        endRemoveRows();
        end = begin;
    }
}

std::vector<int> FileListModel::reorderSourceRows(const std::function<std::vector<int>()> &reorder)
{
    std::vector<int> newRowOf = reorder();
    // An empty order: the source kept its rows where they were.
    if (newRowOf.empty())
        return newRowOf;
    // The number of rows stays and a row's number is all the views know of
    // it, so no layout change is announced (the tree view would lay out every
    // row again: some 25 ms at a million rows). Only the indexes someone holds
    // move with their rows: a few, whatever the number of rows.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from) {
        const auto row = static_cast<std::size_t>(index.row());
        to.append(row < newRowOf.size() ? this->index(newRowOf[row], index.column()) : QModelIndex());
    }
    changePersistentIndexList(from, to);
    return newRowOf;
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_source)
        return 0;
    return m_source->RowCount();
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!m_source || !index.isValid() || index.row() >= m_source->RowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_source->CellText(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() == 0)
            return m_source->RowIcon(index.row());
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[size_t(index.column())].alignment | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (m_source->RowMarked(index.row()))
            return QColor(0xC0, 0x00, 0x00);
        return {};
    case Qt::BackgroundRole:
        if (m_source->RowMarked(index.row()))
            return QColor(0xFF, 0xE8, 0xE0);
        return {};
    case Qt::ToolTipRole: {
        const QString tip = m_source->RowToolTip(index.row());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[size_t(section)].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[size_t(section)].alignment | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
