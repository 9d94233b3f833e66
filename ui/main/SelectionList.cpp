#include "ui/main/SelectionList.h"

#include "model/EntrySort.h"
#include "platform/Paths.h"
#include "ui/widgets/Icons.h"

#include <algorithm>
#include <iterator>

namespace {

// Rows between two looks at the stop flag of a sort on a worker.
constexpr std::size_t kRowsBetweenStopChecks = 4096;

bool IsParent(const ListedEntry &row)
{
    return row.isFolder && row.name == CSelectionList::kParentName;
}

} // namespace

CSelectionList::CSelectionList() : m_storage(std::make_shared<Storage>()) {}
CSelectionList::~CSelectionList() = default;

std::vector<FileListColumn> CSelectionList::Columns()
{
    return {
        {tr("名前"), 100, Qt::AlignLeft, ShortNameFitText()},
        {tr("サイズ"), 50, Qt::AlignRight},
        {tr("ファイルの種類"), 60, Qt::AlignLeft},
        {tr("更新日時"), 120, Qt::AlignLeft, DateTimeFitText()},
        {tr("属性"), 40, Qt::AlignLeft},
    };
}

namespace {

constexpr SortKey kColumnKeys[] = {SortKey::Name, SortKey::Size, SortKey::Type, SortKey::Time,
                                   SortKey::Attributes};

} // namespace

SortKey CSelectionList::KeyOfColumn(int column)
{
    return kColumnKeys[std::clamp(column, 0, static_cast<int>(std::size(kColumnKeys)) - 1)];
}

int CSelectionList::ColumnOfKey(SortKey key)
{
    const auto *found = std::find(std::begin(kColumnKeys), std::end(kColumnKeys), key);
    return found == std::end(kColumnKeys) ? -1 : static_cast<int>(found - std::begin(kColumnKeys));
}

void CSelectionList::Clear()
{
    // A snapshot may still read the old rows.
    m_storage = std::make_shared<Storage>();
    m_index.clear();
    m_directory.clear();
}

void CSelectionList::TakeRowsOf(CSelectionList &other)
{
    m_directory = std::move(other.m_directory);
    m_storage = std::move(other.m_storage);
    m_index = std::move(other.m_index);
    other.Clear();
}

void CSelectionList::AppendRows(const std::string &directory, std::vector<ListedEntry> &&rows)
{
    if (m_index.empty())
        m_directory = directory;
    if (m_storage.use_count() > 1)
        m_storage = std::make_shared<Storage>(*m_storage);
    for (ListedEntry &row : rows) {
        m_index.push_back(static_cast<int>(m_storage->size()));
        m_storage->push_back(std::move(row));
    }
}

void CSelectionList::MoveRows(const std::vector<int> &newRowOf)
{
    std::vector<int> index(m_index.size());
    for (std::size_t row = 0; row < m_index.size(); ++row)
        index[static_cast<std::size_t>(newRowOf[row])] = m_index[row];
    m_index = std::move(index);
}

const std::string &CSelectionList::TypeName(int row) const
{
    return m_types.Name(Row(row).TypeKey());
}

std::vector<int> CSelectionList::Sort(const ListingSort &sort)
{
    std::vector<int> newRowOf = SortedOrder(TakeSnapshot(), sort, m_types.Names());
    MoveRows(newRowOf);
    return newRowOf;
}

bool CSelectionList::Holds(const Snapshot &snapshot) const
{
    return snapshot.storage == m_storage && snapshot.index == m_index;
}

std::vector<int> CSelectionList::SortedOrder(const Snapshot &rows, const ListingSort &sort, TypeNames &types,
                                             const std::atomic<bool> *stop)
{
    const auto stopped = [stop] { return stop && stop->load(); };
    const auto rowAt = [&rows](std::size_t row) -> const ListedEntry & {
        return (*rows.storage)[static_cast<std::size_t>(rows.index[row])];
    };
    static const std::string kNoType;
    const bool byType = sort.key == SortKey::Type;
    ListedSortKey key(sort.key, sort.numeric);
    std::vector<std::string> keys;
    keys.reserve(rows.index.size());
    std::size_t parentRow = kNoParentRow;
    for (std::size_t row = 0; row < rows.index.size(); ++row) {
        if (row % kRowsBetweenStopChecks == 0 && stopped())
            return {};
        const ListedEntry &entry = rowAt(row);
        if (parentRow == kNoParentRow && IsParent(entry))
            parentRow = row;
        keys.push_back(key(entry, byType ? types.Name(entry.TypeKey()) : kNoType));
    }
    const std::vector<std::size_t> order = SortedListingOrder(
        std::move(keys), sort, [&rowAt](std::size_t row) { return std::string_view(rowAt(row).name); },
        parentRow);
    if (stopped())
        return {};
    std::vector<int> newRowOf(order.size());
    for (std::size_t position = 0; position < order.size(); ++position)
        newRowOf[order[position]] = static_cast<int>(position);
    return newRowOf;
}

CFileEntry CSelectionList::Entry(int row) const
{
    CFileEntry entry = Row(row).ToEntry(m_directory);
    entry.typeName = TypeName(row);
    return entry;
}

bool CSelectionList::IsParentRow(int row) const
{
    return IsParent(Row(row));
}

std::string CSelectionList::FullPath(int row) const
{
    return platform::JoinPath(m_directory, Row(row).name);
}

int CSelectionList::FindName(const std::string &name) const
{
    for (int row = 0; row < RowCount(); ++row) {
        if (Row(row).name == name)
            return row;
    }
    return -1;
}

std::vector<int> CSelectionList::RowsOfKind(int objMode) const
{
    std::vector<int> rows;
    for (int i = 0; i < RowCount(); ++i) {
        if (Row(i).isFolder == (objMode == 1) && !IsParentRow(i))
            rows.push_back(i);
    }
    return rows;
}

QString CSelectionList::CellText(int row, int column) const
{
    const CFileEntry e = Row(row).ToEntry(m_directory);
    switch (column) {
    case 0:
        return QString::fromStdString(e.GetDisplayName(m_display.fileCharMode, false));
    case 1:
        return QString::fromStdString(e.GetSizeText(m_display.sizeInBytes));
    case 2:
        return QString::fromStdString(TypeName(row));
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
    return m_types.Icon(Row(row).TypeKey());
}

QString ListStatusText(int rows, int selected)
{
    return CSelectionList::tr(" %n個のオブジェクト（%1個を選択)", nullptr, rows).arg(selected);
}
