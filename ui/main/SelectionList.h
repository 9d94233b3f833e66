#pragma once

#include "model/DirectoryListing.h"
#include "model/FileEntry.h"
#include "model/ListedEntry.h"
#include "ui/main/ListedTypes.h"
#include "ui/widgets/FileListCtrl.h"

#include <QCoreApplication>

#include <atomic>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// The rows of the selection list: the entries of the current directory that
// the filter lets through, in the chosen order. Each row keeps only what the
// columns and the sort read, the directory is kept once; cell texts, pictures
// and full entries are made only for the rows asked for. Interface thread only
// (see CDirectoryLister for filling it from a worker thread, CSelectionSorter
// for sorting it on one).
class CSelectionList : public IFileListSource {
    Q_DECLARE_TR_FUNCTIONS(CSelectionList)

public:
    static constexpr const char *kParentName = "..";

    // The rows as they stand, to be ordered on another thread: the rows are
    // shared with the list, which never changes rows it shares (it appends to
    // a copy of them), and their order is copied.
    struct Snapshot {
        std::shared_ptr<const std::deque<ListedEntry>> storage;
        std::vector<int> index;
    };

    // Display options read at every cell request.
    struct DisplayOptions {
        int fileCharMode = 0; // 0 as stored, 1 upper case, 2 lower case
        bool sizeInBytes = false;
    };

    CSelectionList();
    ~CSelectionList() override;

    void SetDisplayOptions(const DisplayOptions &options) { m_display = options; }

    void Clear();
    // Takes the rows of `other` (a listing of the same folder made anew) in
    // place of its own, keeping its display options; other is left empty.
    void TakeRowsOf(CSelectionList &other);
    // Adds rows of a listing of `directory` at the end; the list is empty or
    // holds rows of the same directory.
    void AppendRows(const std::string &directory, std::vector<ListedEntry> &&rows);
    // Moves every row to newRowOf[row], a permutation of the rows.
    void MoveRows(const std::vector<int> &newRowOf);

    // Orders the rows by `sort`; rows of equal keys keep their order.
    // Returns the new row of each old row.
    std::vector<int> Sort(const ListingSort &sort);

    Snapshot TakeSnapshot() const { return {m_storage, m_index}; }
    // True while the list holds the rows of `snapshot` in its order.
    bool Holds(const Snapshot &snapshot) const;
    // The new row of each row of `rows` in the order Sort puts them in, on any
    // thread with a TypeNames of its own; empty once `stop` is set.
    static std::vector<int> SortedOrder(const Snapshot &rows, const ListingSort &sort, TypeNames &types,
                                        const std::atomic<bool> *stop = nullptr);

    int RowCount() const override { return static_cast<int>(m_index.size()); }
    QString CellText(int row, int column) const override;
    QIcon RowIcon(int row) const override;

    // The full entry of a row, type name included, for another list.
    CFileEntry Entry(int row) const;
    // Parts of a row read without building an entry.
    const std::string &Name(int row) const { return Row(row).name; }
    bool IsFolder(int row) const { return Row(row).isFolder; }
    bool IsParentRow(int row) const;
    std::string FullPath(int row) const;
    // The first row whose name is `name` (byte for byte), or -1.
    int FindName(const std::string &name) const;
    // Rows that hold the given kind of entry (files when objMode is 0,
    // folders when 1), ".." never included.
    std::vector<int> RowsOfKind(int objMode) const;
    // The listed directory, held form.
    const std::string &Directory() const { return m_directory; }

    static std::vector<FileListColumn> Columns();
    // The columns hold the keys Name to Attributes in this order; a column
    // out of range gives the nearest key, a key without a column -1.
    static SortKey KeyOfColumn(int column);
    static int ColumnOfKey(SortKey key);

private:
    using Storage = std::deque<ListedEntry>;

    const ListedEntry &Row(int row) const
    {
        return (*m_storage)[static_cast<std::size_t>(m_index[static_cast<std::size_t>(row)])];
    }
    const std::string &TypeName(int row) const;

    std::string m_directory;
    // The rows stay where they arrived (a deque never moves them as it
    // grows); the order is an index, so sorting a million rows moves ints.
    // Never null; shared with snapshots.
    std::shared_ptr<Storage> m_storage;
    std::vector<int> m_index; // storage position of each row
    DisplayOptions m_display;
    mutable ListedTypes m_types;
};

// The status line of a list: how many rows it has and how many are selected.
QString ListStatusText(int rows, int selected);
