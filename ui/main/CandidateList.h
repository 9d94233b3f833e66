#pragma once

#include "model/FileEntry.h"
#include "ui/main/FileListCtrl.h"

#include <string>
#include <vector>

// The rows of the candidate list: the entries the next run processes, in
// processing order. Each row owns its own copy of an entry.
class CCandidateList : public IFileListSource {
public:
    struct DisplayOptions {
        int fileCharMode = 0;
        bool withPath = false; // names shown with their full path
    };

    void SetDisplayOptions(const DisplayOptions &options) { m_display = options; }

    // Appends a copy unless an entry with the same full path is listed.
    bool Append(const CFileEntry &entry);
    void Clear() { m_rows.clear(); }
    // Removes the placeholder rows, keeping the order of the others.
    void RemoveDummies();

    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    QString CellText(int row, int column) const override;
    QIcon RowIcon(int row) const override;
    const CFileEntry &Entry(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // The columns shown for a rename mode.
    static std::vector<FileListColumn> Columns(int renameMode);

private:
    std::vector<CFileEntry> m_rows;
    DisplayOptions m_display;
};
