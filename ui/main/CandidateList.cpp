#include "ui/main/CandidateList.h"

#include "engine/CreatedName.h"
#include "engine/RenameSettings.h"
#include "model/EntrySort.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <algorithm>

namespace {

CFileEntry Placeholder(bool folder)
{
    CFileEntry entry;
    entry.isFolder = folder;
    entry.isDummy = !folder;
    return entry;
}

std::vector<int> Sequence(int first, std::size_t count)
{
    std::vector<int> rows(count);
    for (std::size_t i = 0; i < count; ++i)
        rows[i] = first + static_cast<int>(i);
    return rows;
}

} // namespace

bool CCandidateList::Append(CFileEntry entry)
{
    const bool hasFile = !entry.isDummy && !entry.fullPath.empty();
    if (hasFile && !m_paths.insert(entry.fullPath).second)
        return false;
    m_rows.push_back(std::move(entry));
    return true;
}

void CCandidateList::Reserve(std::size_t count)
{
    // Grown at least twofold, so that many small appends stay cheap.
    if (count > m_rows.capacity())
        m_rows.reserve(std::max(count, 2 * m_rows.capacity()));
    if (static_cast<float>(count) > static_cast<float>(m_paths.bucket_count()) * m_paths.max_load_factor())
        m_paths.reserve(std::max(count, 2 * m_paths.size()));
}

void CCandidateList::Admit(std::vector<CFileEntry> &entries)
{
    Reserve(m_rows.size() + entries.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CFileEntry &entry = entries[i];
        const bool hasFile = !entry.isDummy && !entry.fullPath.empty();
        if (hasFile && !m_paths.insert(entry.fullPath).second)
            continue;
        if (kept != i)
            entries[kept] = std::move(entry);
        ++kept;
    }
    entries.resize(kept);
}

void CCandidateList::AppendAdmitted(std::vector<CFileEntry> &&entries)
{
    m_rows.insert(m_rows.end(), std::make_move_iterator(entries.begin()),
                  std::make_move_iterator(entries.end()));
}

void CCandidateList::Clear()
{
    m_rows.clear();
    m_paths.clear();
    m_marks.clear();
}

void CCandidateList::RemoveDummies()
{
    std::erase_if(m_rows, [](const CFileEntry &row) { return row.isDummy; });
    m_marks.clear();
}

namespace {

// The moves work on the order of the rows: order[i] is the old row that
// comes i-th afterwards.
std::vector<int> Identity(std::size_t count)
{
    return Sequence(0, count);
}

// Takes the selected rows (ascending) out of `order`, keeping both parts in order.
std::vector<int> Extract(std::vector<int> &order, const std::vector<int> &rows)
{
    std::vector<bool> selected(order.size(), false);
    for (int row : rows)
        selected[static_cast<std::size_t>(row)] = true;
    std::vector<int> taken, kept;
    taken.reserve(rows.size());
    kept.reserve(order.size() - rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        (selected[i] ? taken : kept).push_back(order[i]);
    order = std::move(kept);
    return taken;
}

void Reinsert(std::vector<int> &order, const std::vector<int> &moved, int position)
{
    position = std::clamp(position, 0, static_cast<int>(order.size()));
    order.insert(order.begin() + position, moved.begin(), moved.end());
}

} // namespace

std::vector<int> CCandidateList::ApplyOrder(const std::vector<int> &order)
{
    std::vector<CFileEntry> rows;
    rows.reserve(order.size());
    std::vector<int> newRowOfOld(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto old = static_cast<std::size_t>(order[i]);
        rows.push_back(std::move(m_rows[old]));
        newRowOfOld[old] = static_cast<int>(i);
    }
    m_rows = std::move(rows);
    // Marks belong to rows: they move with them until the next computation.
    if (m_marks.size() == order.size()) {
        std::vector<exec::PlanProblem> marks(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            marks[i] = m_marks[static_cast<std::size_t>(order[i])];
        m_marks = std::move(marks);
    }
    return newRowOfOld;
}

void CCandidateList::RemoveRange(int first, int last)
{
    const auto begin = m_rows.begin() + first;
    const auto end = m_rows.begin() + last + 1;
    for (auto it = begin; it != end; ++it)
        m_paths.erase(it->fullPath);
    m_rows.erase(begin, end);
    if (static_cast<std::size_t>(last) < m_marks.size())
        m_marks.erase(m_marks.begin() + first, m_marks.begin() + last + 1);
}

void CCandidateList::RemoveRows(const std::vector<int> &rows)
{
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        RemoveRange(*it, *it);
}

void CCandidateList::AppendDummies(int count)
{
    for (int i = 0; i < count; ++i)
        m_rows.push_back(Placeholder(false));
}

std::vector<int> CCandidateList::PlaceDummiesAfter(const std::vector<int> &rows)
{
    // The last rows.size() rows are the placeholders, one for each selected row.
    const int placeholders = static_cast<int>(rows.size());
    const int others = RowCount() - placeholders;
    std::vector<int> order;
    order.reserve(m_rows.size());
    std::size_t next = 0;
    for (int row = 0; row < others; ++row) {
        order.push_back(row);
        if (next < rows.size() && rows[next] == row)
            order.push_back(others + static_cast<int>(next++));
    }
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::InsertDummiesAfter(const std::vector<int> &rows)
{
    AppendDummies(static_cast<int>(rows.size()));
    return PlaceDummiesAfter(rows);
}

std::vector<int> CCandidateList::MoveToTop(const std::vector<int> &rows)
{
    std::vector<int> order = Identity(m_rows.size());
    const std::vector<int> moved = Extract(order, rows);
    Reinsert(order, moved, 0);
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::MoveUp(const std::vector<int> &rows)
{
    // A row moves above its upper neighbour unless that is a selected row
    // which could not move itself (the top of a block at row 0).
    std::vector<int> order = Identity(m_rows.size());
    std::vector<bool> stuck(m_rows.size(), false);
    for (int row : rows) {
        const auto i = static_cast<std::size_t>(row);
        if (i == 0 || stuck[i - 1])
            stuck[i] = true;
        else
            std::swap(order[i - 1], order[i]);
    }
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::MoveDown(const std::vector<int> &rows)
{
    std::vector<int> order = Identity(m_rows.size());
    std::vector<bool> stuck(m_rows.size(), false);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const auto i = static_cast<std::size_t>(*it);
        if (i + 1 >= m_rows.size() || stuck[i + 1])
            stuck[i] = true;
        else
            std::swap(order[i], order[i + 1]);
    }
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::MoveToEnd(const std::vector<int> &rows)
{
    // A selected last row stays where it is and ends up before the others.
    std::vector<int> moving = rows;
    if (!moving.empty() && moving.back() == RowCount() - 1)
        moving.pop_back();
    std::vector<int> order = Identity(m_rows.size());
    const std::vector<int> moved = Extract(order, moving);
    Reinsert(order, moved, static_cast<int>(order.size()));
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::MoveTo(const std::vector<int> &rows, int position)
{
    const auto above =
        std::count_if(rows.begin(), rows.end(), [position](int row) { return row < position; });
    std::vector<int> order = Identity(m_rows.size());
    const std::vector<int> moved = Extract(order, rows);
    Reinsert(order, moved, position - static_cast<int>(above));
    return ApplyOrder(order);
}

std::vector<int> CCandidateList::Sort(SortKey key, bool numeric, int direction)
{
    std::vector<CFileEntry *> sorted;
    sorted.reserve(m_rows.size());
    for (CFileEntry &entry : m_rows)
        sorted.push_back(&entry);
    SortEntries(sorted, key, numeric, direction);
    std::vector<int> order;
    order.reserve(sorted.size());
    for (CFileEntry *entry : sorted)
        order.push_back(static_cast<int>(entry - m_rows.data()));
    return ApplyOrder(order);
}

SortKey CCandidateList::SortKeyOfColumn(int column, bool concatenation, bool withPath)
{
    using enum SortKey;
    static const SortKey kKeys[2][4] = {{Name, None, Time, Attributes}, {Name, Size, Type, Time}};
    if (column < 0 || column > 3)
        return None;
    return column == 0 && withPath ? FullPath : kKeys[concatenation ? 1 : 0][column];
}

void CCandidateList::PlaceNumberedDirectories(int count)
{
    count = std::max(count, 0);
    while (RowCount() > count) {
        m_paths.erase(m_rows.back().fullPath);
        m_rows.pop_back();
    }
    while (RowCount() < count)
        m_rows.push_back(Placeholder(true));
}

exec::PlanProblem CCandidateList::Mark(int row) const
{
    const auto i = static_cast<std::size_t>(row);
    return i < m_marks.size() ? m_marks[i] : exec::PlanProblem::None;
}

QString CCandidateList::RowToolTip(int row) const
{
    const exec::PlanProblem mark = Mark(row);
    if (mark == exec::PlanProblem::None)
        return {};
    // A pattern that does not compile says why and where.
    if (mark == exec::PlanProblem::InvalidPattern && m_settings)
        return ShownText(m_settings->StartProblemMessage(StartProblem::InvalidPattern));
    return tr("%1。").arg(ShownText(exec::ProblemText(mark)));
}

QString CCandidateList::CellText(int row, int column) const
{
    return ShownText(PreviewText(row, column));
}

std::string CCandidateList::PreviewText(int row, int column) const
{
    const CFileEntry &e = Entry(row);
    std::string name = e.GetDisplayName(m_display.fileCharMode, m_display.withPath);
    if (!m_settings)
        return column == 0 ? name : std::string();
    const CRenameSettings &s = *m_settings;
    if (s.CreatesNumberedDirectories()) {
        switch (column) {
        case 0:
            return s.GetNumberedDirName(row);
        case 1:
            return s.GetPreviewTimeText(e);
        case 2:
            return CRenameSettings::FormatAttributeText(s.GetNewAttributes(e));
        default:
            return {};
        }
    }
    if (s.Concatenates()) {
        switch (column) {
        case 0:
            return name;
        case 1:
            return e.isDummy ? std::string() : e.GetSizeText(m_display.sizeInBytes);
        case 2:
            return e.typeName;
        case 3:
            return e.isDummy ? std::string() : e.GetTimeText();
        default:
            return {};
        }
    }
    if (column == 0)
        return name;
    if (e.isDummy)
        return {};
    switch (column) {
    case 1: {
        // The name the entry gets, as the run creates it; none while the
        // file data it needs is being read.
        const std::uint64_t misses = m_media->Misses();
        std::string newName = s.ComputeNewName(e, row, *m_media);
        return m_media->Misses() == misses ? std::string(engine::CreatedName(newName)) : std::string();
    }
    case 2:
        return s.GetPreviewTimeText(e);
    case 3:
        return CRenameSettings::FormatAttributeText(s.GetNewAttributes(e));
    default:
        return {};
    }
}

QIcon CCandidateList::RowIcon(int row) const
{
    const CFileEntry &e = Entry(row);
    if (e.isFolder)
        return QIcon(QString::fromLatin1(icons::kFolder));
    return QIcon(QString::fromLatin1(e.isDummy ? icons::kDummyEntry : icons::kFile));
}

std::vector<FileListColumn> CCandidateList::Columns(const CRenameSettings &settings)
{
    const FileListColumn name{tr("名前"), 100, Qt::AlignLeft, ShortNameFitText()};
    if (settings.CreatesNumberedDirectories())
        return {
            name, {tr("更新日時"), 120, Qt::AlignLeft, DateTimeFitText()}, {tr("属性"), 40, Qt::AlignLeft}};
    if (settings.Concatenates())
        return {name,
                {tr("サイズ"), 100, Qt::AlignRight},
                {tr("ファイルの種類"), 120, Qt::AlignLeft},
                {tr("更新日時"), 40, Qt::AlignLeft, DateTimeFitText()}};
    return {name,
            {tr("変更後の名前"), 100, Qt::AlignLeft, ShortNameFitText()},
            {tr("更新日時"), 120, Qt::AlignLeft, DateTimeFitText()},
            {tr("属性"), 40, Qt::AlignLeft}};
}
