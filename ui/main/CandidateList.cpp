#include "ui/main/CandidateList.h"

#include "engine/RenameSettings.h"
#include "ui/Icons.h"

#include <algorithm>

bool CCandidateList::Append(const CFileEntry &entry)
{
    const bool listed = std::any_of(m_rows.begin(), m_rows.end(), [&entry](const CFileEntry &row) {
        return !row.isDummy && row.fullPath == entry.fullPath;
    });
    if (listed)
        return false;
    m_rows.push_back(entry);
    return true;
}

void CCandidateList::RemoveDummies()
{
    std::erase_if(m_rows, [](const CFileEntry &row) { return row.isDummy; });
}

QString CCandidateList::CellText(int row, int column) const
{
    // The new name, time and attribute columns are filled by the preview.
    if (column != 0)
        return {};
    return QString::fromStdString(Entry(row).GetDisplayName(m_display.fileCharMode, m_display.withPath));
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
