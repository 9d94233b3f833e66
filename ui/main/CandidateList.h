#pragma once

#include "exec/PlanProblem.h"
#include "model/FileEntry.h"
#include "ui/main/MediaFetcher.h"
#include "ui/widgets/FileListCtrl.h"

#include <QCoreApplication>

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CRenameSettings;

// The rows of the candidate list: the entries the next run processes, in
// processing order, and the preview of what the run does with each of them.
// Each row owns its own copy of an entry. The texts of a row are computed
// from the settings when the row is drawn; nothing of them is kept. The file
// data a new name needs comes from the list's fetcher, never read here.
class CCandidateList : public IFileListSource {
    Q_DECLARE_TR_FUNCTIONS(CCandidateList)

public:
    struct DisplayOptions {
        int fileCharMode = 0;
        bool withPath = false;    // names shown with their full path
        bool sizeInBytes = false; // FileSizeType
    };

    void SetDisplayOptions(const DisplayOptions &options) { m_display = options; }
    // The settings the preview is computed from (not owned).
    void SetSettings(const CRenameSettings *settings) { m_settings = settings; }

    // Appends the entry unless an entry with the same full path is listed.
    bool Append(CFileEntry entry);
    bool Contains(const std::string &fullPath) const { return m_paths.count(fullPath) != 0; }
    // Many entries at once, in two steps so a list can be told how many rows
    // come before they do: Admit drops the entries that Append would refuse
    // (listed already, or earlier in `entries`) and takes the paths of the
    // others as listed; AppendAdmitted then appends exactly those.
    void Admit(std::vector<CFileEntry> &entries);
    void AppendAdmitted(std::vector<CFileEntry> &&entries);
    void Clear();
    // Removes the placeholder rows, keeping the order of the others.
    void RemoveDummies();
    // Removes rows first..last; rows: ascending row indexes.
    void RemoveRange(int first, int last);
    void RemoveRows(const std::vector<int> &rows);

    // The edits below reorder the rows; each returns, for each old row, its
    // new row, so a list can keep its selection on the same entries.
    //
    // Placeholders below each of rows (ascending): AppendDummies(rows.size())
    // puts them at the end, PlaceDummiesAfter(rows) moves them into place.
    // InsertDummiesAfter does both.
    void AppendDummies(int count);
    std::vector<int> PlaceDummiesAfter(const std::vector<int> &rows);
    std::vector<int> InsertDummiesAfter(const std::vector<int> &rows);
    // The moves of the selected rows (ascending indexes).
    std::vector<int> MoveToTop(const std::vector<int> &rows);
    std::vector<int> MoveUp(const std::vector<int> &rows);
    std::vector<int> MoveDown(const std::vector<int> &rows);
    std::vector<int> MoveToEnd(const std::vector<int> &rows);
    // Moves rows to the line before row `position` (0 .. row count) as it
    // stood before the move.
    std::vector<int> MoveTo(const std::vector<int> &rows, int position);

    // Orders the rows by a sort key of CFileEntry (stable).
    std::vector<int> Sort(SortKey key, bool numeric, int direction);
    // The sort key of a candidate column: None for the new-name column, which
    // cannot be ordered.
    static SortKey SortKeyOfColumn(int column, bool concatenation, bool withPath);

    // Numbered-directory mode: exactly `count` folder placeholders.
    void PlaceNumberedDirectories(int count);

    // The warning marks of the rows, one per row (computed elsewhere from the
    // run plan); rows without one show none.
    void SetMarks(std::vector<exec::PlanProblem> marks) { m_marks = std::move(marks); }
    exec::PlanProblem Mark(int row) const;

    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    QString CellText(int row, int column) const override;
    QIcon RowIcon(int row) const override;
    bool RowMarked(int row) const override { return Mark(row) != exec::PlanProblem::None; }
    QString RowToolTip(int row) const override;
    const CFileEntry &Entry(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    const std::vector<CFileEntry> &Entries() const { return m_rows; }

    // Reports the files whose data the new names were drawn without.
    const CMediaFetcher &Media() const { return *m_media; }

    // The columns shown for the mode of settings.
    static std::vector<FileListColumn> Columns(const CRenameSettings &settings);

private:
    // Room for `count` rows in all, before many are appended.
    void Reserve(std::size_t count);
    std::string PreviewText(int row, int column) const;
    // Puts old row order[i] at row i; returns the new row of each old row.
    std::vector<int> ApplyOrder(const std::vector<int> &order);

    std::vector<CFileEntry> m_rows;
    std::unordered_set<std::string> m_paths; // full paths of the rows with a file behind them
    std::vector<exec::PlanProblem> m_marks;
    const CRenameSettings *m_settings = nullptr;
    DisplayOptions m_display;
    std::unique_ptr<CMediaFetcher> m_media = std::make_unique<CMediaFetcher>();
};
