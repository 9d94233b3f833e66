#include "ui/main/SelectionList.h"

#include "model/EntrySort.h"
#include "platform/DirectoryList.h"
#include "platform/Paths.h"
#include "platform/Wildcard.h"
#include "ui/Icons.h"

#include <algorithm>

CSelectionList::CSelectionList() = default;
CSelectionList::~CSelectionList() = default;

std::vector<FileListColumn> CSelectionList::Columns()
{
    return {
        {QStringLiteral("名前"), 100, Qt::AlignLeft},
        {QStringLiteral("サイズ"), 50, Qt::AlignRight},
        {QStringLiteral("ファイルの種類"), 60, Qt::AlignLeft},
        {QStringLiteral("更新日時"), 120, Qt::AlignLeft},
        {QStringLiteral("属性"), 40, Qt::AlignLeft},
    };
}

void CSelectionList::Clear()
{
    m_rows.clear();
}

int CSelectionList::Fill(const std::string &directory, const ListingFilter &filter,
                         IListingProgress *progress)
{
    m_rows.clear();
    std::vector<platform::DirEntryInfo> items;
    const int error = platform::ListDirectory(
        directory, {}, [&items](const platform::DirEntryInfo &item) { items.push_back(item); });

    // Folder pass; the files are only counted for the progress bar.
    if (!platform::IsRootDirectory(directory)) {
        platform::DirEntryInfo parent;
        platform::ReadDirEntry(platform::JoinPath(directory, kParentName), parent);
        parent.directory = directory;
        parent.name = kParentName;
        parent.isDirectory = true;
        auto entry = std::make_unique<CFileEntry>(parent);
        // ".." leads back up; its leading dot does not make it a hidden entry.
        entry->attributes &= ~platform::kAttrHidden;
        m_rows.push_back(std::move(entry));
    }
    int fileCount = 1;
    for (const platform::DirEntryInfo &item : items) {
        if (!item.isDirectory) {
            ++fileCount;
            continue;
        }
        if (filter.hideFolders && (item.attributes & filter.hideMask) != 0)
            continue;
        m_rows.push_back(std::make_unique<CFileEntry>(item));
    }

    // File pass, pattern by pattern in the order given.
    if (progress)
        progress->Begin(fileCount);
    int position = 0;
    for (const std::string &text : platform::SplitPatternList(filter.patterns)) {
        const platform::WildcardPattern pattern(text);
        for (const platform::DirEntryInfo &item : items) {
            if (item.isDirectory || !pattern.Matches(item.name))
                continue;
            ++position;
            if ((item.attributes & filter.hideMask) == 0)
                m_rows.push_back(std::make_unique<CFileEntry>(item));
            if (progress)
                progress->Advance(position);
        }
        position = fileCount;
        if (progress)
            progress->Advance(position);
    }
    if (progress)
        progress->End();
    return error;
}

const std::string &CSelectionList::TypeNameOf(const CFileEntry &entry) const
{
    if (entry.typeName.empty())
        const_cast<CFileEntry &>(entry).typeName = m_types.TypeName(entry);
    return entry.typeName;
}

void CSelectionList::Sort(int column, bool numeric, int direction)
{
    if (column == 2) {
        // The type is the one key that is not known before a row is drawn.
        for (const auto &row : m_rows)
            TypeNameOf(*row);
    }
    std::vector<CFileEntry *> order;
    order.reserve(m_rows.size());
    for (const auto &row : m_rows)
        order.push_back(row.get());
    SortEntries(order, column, numeric, direction);

    // The rows change hands from the old order to the new one.
    for (auto &row : m_rows)
        row.release();
    for (std::size_t i = 0; i < order.size(); ++i)
        m_rows[i].reset(order[i]);
}

CFileEntry CSelectionList::CopyWithType(int row) const
{
    CFileEntry copy = Entry(row);
    copy.typeName = TypeNameOf(Entry(row));
    return copy;
}

bool CSelectionList::IsParentRow(int row) const
{
    const CFileEntry &e = Entry(row);
    return e.isFolder && e.fileName == kParentName;
}

int CSelectionList::FindName(const std::string &name) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i]->fileName == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> CSelectionList::RowsOfKind(int objMode) const
{
    std::vector<int> rows;
    for (int i = 0; i < RowCount(); ++i) {
        if (Entry(i).isFolder == (objMode == 1) && !IsParentRow(i))
            rows.push_back(i);
    }
    return rows;
}

QString CSelectionList::CellText(int row, int column) const
{
    const CFileEntry &e = Entry(row);
    switch (column) {
    case 0:
        return QString::fromStdString(e.GetDisplayName(m_display.fileCharMode, false));
    case 1:
        return QString::fromStdString(e.GetSizeText(m_display.sizeInBytes));
    case 2:
        return QString::fromStdString(TypeNameOf(e));
    case 3:
        return QString::fromStdString(e.GetTimeText());
    case 4:
        return QString::fromStdString(e.GetAttributeText());
    default:
        return {};
    }
}

QIcon CSelectionList::RowIcon(int row) const
{
    if (IsParentRow(row))
        return QIcon(QString::fromLatin1(icons::kParentEntry));
    return m_types.Icon(Entry(row));
}

QString ListStatusText(int rows, int selected)
{
    return QStringLiteral(" %1個のオブジェクト（%2個を選択)").arg(rows).arg(selected);
}
