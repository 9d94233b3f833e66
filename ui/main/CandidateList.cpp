#include "ui/main/CandidateList.h"

#include "exec/RunPlan.h"

#include "engine/RenameSettings.h"
#include "model/EntrySort.h"
#include "ui/Icons.h"

#include <algorithm>

namespace {

QString FromBytes(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

bool CCandidateList::Append(const CFileEntry &entry)
{
    const bool hasFile = !entry.isDummy && !entry.fullPath.empty();
    if (hasFile && !m_paths.insert(entry.fullPath).second)
        return false;
    m_rows.push_back(entry);
    return true;
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
}

std::vector<CFileEntry> CCandidateList::Extract(const std::vector<int> &rows)
{
    std::vector<CFileEntry> taken;
    taken.reserve(rows.size());
    std::vector<bool> selected(m_rows.size(), false);
    for (int row : rows)
        selected[static_cast<std::size_t>(row)] = true;
    std::vector<CFileEntry> kept;
    kept.reserve(m_rows.size() - rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        (selected[i] ? taken : kept).push_back(std::move(m_rows[i]));
    m_rows = std::move(kept);
    return taken;
}

std::vector<int> CCandidateList::Reinsert(std::vector<CFileEntry> moved, int position)
{
    position = std::clamp(position, 0, RowCount());
    const std::size_t count = moved.size();
    m_rows.insert(m_rows.begin() + position, std::make_move_iterator(moved.begin()),
                  std::make_move_iterator(moved.end()));
    return Sequence(position, count);
}

void CCandidateList::RemoveRows(const std::vector<int> &rows)
{
    for (const CFileEntry &entry : Extract(rows))
        m_paths.erase(entry.fullPath);
}

std::vector<int> CCandidateList::InsertDummiesAfter(const std::vector<int> &rows)
{
    std::vector<int> shifted;
    shifted.reserve(rows.size());
    int inserted = 0;
    for (int row : rows) {
        const int now = row + inserted;
        m_rows.insert(m_rows.begin() + now + 1, Placeholder(false));
        shifted.push_back(now);
        ++inserted;
    }
    return shifted;
}

std::vector<int> CCandidateList::MoveToTop(const std::vector<int> &rows)
{
    return Reinsert(Extract(rows), 0);
}

std::vector<int> CCandidateList::MoveUp(const std::vector<int> &rows)
{
    // A row moves above its upper neighbour unless that is a selected row
    // which could not move itself (the top of a block at row 0).
    std::vector<bool> stuck(m_rows.size(), false);
    std::vector<int> result;
    for (int row : rows) {
        const auto i = static_cast<std::size_t>(row);
        if (i == 0 || stuck[i - 1]) {
            stuck[i] = true;
            result.push_back(row);
            continue;
        }
        std::swap(m_rows[i - 1], m_rows[i]);
        result.push_back(row - 1);
    }
    return result;
}

std::vector<int> CCandidateList::MoveDown(const std::vector<int> &rows)
{
    std::vector<bool> stuck(m_rows.size(), false);
    std::vector<int> result;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const auto i = static_cast<std::size_t>(*it);
        if (i + 1 >= m_rows.size() || stuck[i + 1]) {
            stuck[i] = true;
            result.push_back(*it);
            continue;
        }
        std::swap(m_rows[i], m_rows[i + 1]);
        result.push_back(*it + 1);
    }
    std::reverse(result.begin(), result.end());
    return result;
}

std::vector<int> CCandidateList::MoveToEnd(const std::vector<int> &rows)
{
    // A selected last row stays where it is and ends up before the others.
    const int last = RowCount() - 1;
    std::vector<int> moving = rows;
    const bool lastSelected = !moving.empty() && moving.back() == last;
    if (lastSelected)
        moving.pop_back();
    std::vector<int> result = Reinsert(Extract(moving), RowCount());
    if (lastSelected)
        result.insert(result.begin(), RowCount() - 1 - static_cast<int>(moving.size()));
    return result;
}

std::vector<int> CCandidateList::MoveTo(const std::vector<int> &rows, int position)
{
    const auto above =
        std::count_if(rows.begin(), rows.end(), [position](int row) { return row < position; });
    std::vector<CFileEntry> moved = Extract(rows);
    return Reinsert(std::move(moved), position - static_cast<int>(above));
}

void CCandidateList::Sort(int keyCode, bool numeric, int direction)
{
    std::vector<CFileEntry *> order;
    order.reserve(m_rows.size());
    for (CFileEntry &entry : m_rows)
        order.push_back(&entry);
    SortEntries(order, keyCode, numeric, direction);
    std::vector<CFileEntry> sorted;
    sorted.reserve(m_rows.size());
    for (CFileEntry *entry : order)
        sorted.push_back(std::move(*entry));
    m_rows = std::move(sorted);
}

int CCandidateList::SortKeyOfColumn(int column, bool concatenation, bool withPath)
{
    static const int kKeys[2][4] = {{0, 99, 3, 4}, {0, 1, 2, 3}};
    if (column < 0 || column > 3)
        return 99;
    const int key = kKeys[concatenation ? 1 : 0][column];
    return column == 0 && withPath ? 50 : key;
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

void CCandidateList::UpdateMarks(exec::CDirectoryNames &folders)
{
    m_marks.clear();
    // Numbered directories and concatenation rename nothing.
    if (!m_settings || m_settings->RenameMode == kModeNumberedDirs ||
        m_settings->RenameMode == kModeConcatenate)
        return;
    const exec::CRunPlan plan = exec::PlanRows(exec::StartPlan(*m_settings), m_rows, *m_settings, folders);
    m_marks.assign(m_rows.size(), exec::PlanProblem::None);
    for (const exec::CRenameRecord &r : plan.records)
        m_marks[static_cast<std::size_t>(r.row)] = r.problem;
}

exec::PlanProblem CCandidateList::Mark(int row) const
{
    const auto i = static_cast<std::size_t>(row);
    return i < m_marks.size() ? m_marks[i] : exec::PlanProblem::None;
}

QString CCandidateList::RowToolTip(int row) const
{
    const exec::PlanProblem mark = Mark(row);
    return mark == exec::PlanProblem::None ? QString() : FromBytes(exec::ProblemText(mark) + "。");
}

QString CCandidateList::CellText(int row, int column) const
{
    return FromBytes(PreviewText(row, column));
}

std::string CCandidateList::PreviewText(int row, int column) const
{
    const CFileEntry &e = Entry(row);
    const std::string name = e.GetDisplayName(m_display.fileCharMode, m_display.withPath);
    if (!m_settings)
        return column == 0 ? name : std::string();
    const CRenameSettings &s = *m_settings;
    if (s.RenameMode == kModeNumberedDirs) {
        switch (column) {
        case 0:
            return s.GetNumberedDirName(row);
        case 1:
            return s.GetPreviewTimeText(e);
        case 2:
            return CRenameSettings::FormatAttributeText(s.GetNewDirAttributes());
        default:
            return {};
        }
    }
    if (s.RenameMode == kModeConcatenate) {
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
    case 1:
        return s.ComputeNewName(e, row);
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

std::vector<FileListColumn> CCandidateList::Columns(int renameMode)
{
    const FileListColumn name{QStringLiteral("名前"), 100, Qt::AlignLeft};
    if (renameMode == kModeNumberedDirs)
        return {name,
                {QStringLiteral("更新日時"), 120, Qt::AlignLeft},
                {QStringLiteral("属性"), 40, Qt::AlignLeft}};
    if (renameMode == kModeConcatenate)
        return {name,
                {QStringLiteral("サイズ"), 100, Qt::AlignRight},
                {QStringLiteral("ファイルの種類"), 120, Qt::AlignLeft},
                {QStringLiteral("更新日時"), 40, Qt::AlignLeft}};
    return {name,
            {QStringLiteral("変更後の名前"), 100, Qt::AlignLeft},
            {QStringLiteral("更新日時"), 120, Qt::AlignLeft},
            {QStringLiteral("属性"), 40, Qt::AlignLeft}};
}
