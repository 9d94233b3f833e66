#include "ui/dialogs/FolderFilesModel.h"
#include "ui/widgets/ShownText.h"

#include <QCoreApplication>

namespace {

struct Column {
    const char *title;
    int width;
    Qt::Alignment alignment;
};

const Column kColumns[] = {
    {QT_TRANSLATE_NOOP("FolderFilesModel", "名前"), 100, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("FolderFilesModel", "サイズ"), 50, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("FolderFilesModel", "ファイルの種類"), 60, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("FolderFilesModel", "更新日時"), 120, Qt::AlignLeft},
};
constexpr int kColumnCount = int(std::size(kColumns));

} // namespace

CFolderFilesModel::CFolderFilesModel(QObject *parent) : QAbstractTableModel(parent) {}

void CFolderFilesModel::SetFiles(std::vector<CFileEntry> files)
{
    beginResetModel();
    m_files = std::move(files);
    endResetModel();
}

std::vector<int> CFolderFilesModel::ColumnWidths()
{
    std::vector<int> widths;
    for (const Column &column : kColumns)
        widths.push_back(column.width);
    return widths;
}

int CFolderFilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_files.size());
}

int CFolderFilesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CFolderFilesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CFileEntry &file = m_files[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return ShownText(file.fileName);
        case 1:
            return QString::fromStdString(file.GetSizeText(true));
        case 2:
            return QString::fromStdString(m_types.TypeName(file));
        case 3:
            return QString::fromStdString(file.GetTimeText());
        }
        return {};
    case Qt::DecorationRole:
        return index.column() == 0 ? QVariant(m_types.Icon(file)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(kColumns[index.column()].alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CFolderFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("FolderFilesModel", kColumns[section].title);
    if (role == Qt::TextAlignmentRole)
        return int(kColumns[section].alignment | Qt::AlignVCenter);
    return {};
}
