#pragma once

#include "model/FileEntry.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/FileTypeCache.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Which entries of a directory the selection list shows.
struct ListingFilter {
    std::string patterns;       // ";"-separated wildcard patterns; empty lists every file
    bool hideFolders = false;   // the hide mask applies to folders too
    std::uint32_t hideMask = 0; // entries sharing a bit with it are not listed
};

// Told how far a listing has come, so the window can show a progress bar and
// keep itself painted.
class IListingProgress {
public:
    virtual ~IListingProgress() = default;
    virtual void Begin(int maximum) = 0;
    virtual void Advance(int position) = 0;
    virtual void End() = 0;
};

// The rows of the selection list: the entries of the current directory that
// the filter lets through, in the chosen order. Cell texts and pictures are
// made only for the rows the list draws.
class CSelectionList : public IFileListSource {
public:
    static constexpr const char *kParentName = "..";

    // Display options read at every cell request.
    struct DisplayOptions {
        int fileCharMode = 0; // 0 as stored, 1 upper case, 2 lower case
        bool sizeInBytes = false;
    };

    CSelectionList();
    ~CSelectionList() override;

    void SetDisplayOptions(const DisplayOptions &options) { m_display = options; }

    // Replaces every row by the entries of `directory` (held form). Folders
    // come first (".." unless at the root), then for each pattern the files
    // matching it; a file matching two patterns is listed twice. Returns 0 or
    // the errno value of a directory that could not be read (then only ".."
    // is listed).
    int Fill(const std::string &directory, const ListingFilter &filter, IListingProgress *progress);
    void Clear();

    // Orders the rows by the sort key of `column` (0 name … 4 attributes).
    void Sort(int column, bool numeric, int direction);

    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    QString CellText(int row, int column) const override;
    QIcon RowIcon(int row) const override;

    const CFileEntry &Entry(int row) const { return *m_rows[static_cast<std::size_t>(row)]; }
    bool IsParentRow(int row) const;
    // A copy of the row's entry with its type name filled in, for another list.
    CFileEntry CopyWithType(int row) const;
    // The first row whose name is `name` (byte for byte), or -1.
    int FindName(const std::string &name) const;
    // Rows that hold the given kind of entry (files when objMode is 0,
    // folders when 1), ".." never included.
    std::vector<int> RowsOfKind(int objMode) const;

    static std::vector<FileListColumn> Columns();

private:
    const std::string &TypeNameOf(const CFileEntry &entry) const;

    std::vector<std::unique_ptr<CFileEntry>> m_rows;
    DisplayOptions m_display;
    mutable FileTypeCache m_types;
};

// " %u個のオブジェクト（%u個を選択)" for a list.
QString ListStatusText(int rows, int selected);
