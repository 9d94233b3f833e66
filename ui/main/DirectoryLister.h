#pragma once

#include "model/DirectoryListing.h"
#include "model/ListedEntry.h"
#include "ui/main/ListedTypes.h"
#include "ui/widgets/EndingWorkers.h"

#include <QObject>

#include <memory>
#include <string>
#include <thread>
#include <vector>

class CSelectionList;

// Lists a directory on a worker thread for the selection list, so that the
// window stays responsive and shows the first rows at once, however many
// entries the directory holds.
//
// Rows come in the order the directory gives them; when all are read, the
// worker works out the order that sorts them, rows of equal keys in listing
// order (ListingOrder), so that the end result equals the whole listing
// sorted by CSelectionList::Sort.
//
// Threading: every member function is called, and every signal arrives, on
// the interface thread. The worker reads the directory, keeps the sort keys
// and computes the order on copies of its own; it never touches widgets, the
// type cache (QMimeDatabase, QIcon) or a CSelectionList. Rows reach a list
// only through MoveInto, the order only through ApplyOrder. From Start to
// Finished (or Cancel) the window changes the rows of the list it fills in no
// other way.
//
// Use:
//   rows.Clear();
//   lister.Start(directory, filter, sort);
//   RowsReady:  list->InsertRows(rows.RowCount(), lister.PendingCount(), [&] { lister.MoveInto(rows); });
//   OrderReady: list->ReorderRows(lister.ApplyOrder(rows));
//   Finished(error)
class CDirectoryLister : public QObject {
    Q_OBJECT

public:
    explicit CDirectoryLister(QObject *parent = nullptr);
    // Cancels the running listing and waits for every worker to end.
    ~CDirectoryLister() override;

    // Cancels a running listing, then lists `directory` and sorts its rows
    // as CSelectionList::Sort does.
    void Start(const std::string &directory, const ListingFilter &filter, const ListingSort &sort);
    // Returns at once; no signal of the cancelled listing arrives afterwards
    // and its rows not yet moved are dropped.
    void Cancel();
    bool IsRunning() const { return m_run != nullptr; }

    // Rows received and not yet moved into a list.
    int PendingCount() const { return static_cast<int>(m_ready.size()); }
    // Appends the rows received to `rows`, after those moved before.
    void MoveInto(CSelectionList &rows);
    // Puts the rows of the finished listing into sorted order and returns the
    // new row of each old row; empty, rows untouched, when `rows` does not
    // hold exactly the rows of this listing.
    std::vector<int> ApplyOrder(CSelectionList &rows);

signals:
    void RowsReady();
    // total is 0 while the directory is being read.
    void Progress(int done, int total);
    // Every row has been handed over; ApplyOrder sorts them.
    void OrderReady();
    // 0, or the errno value of a directory that cannot be read (only ".." is
    // then listed).
    void Finished(int error);

private:
    struct Run;
    // Worker thread: owner is used only to post results to it.
    static void Work(CDirectoryLister *owner, const std::shared_ptr<Run> &run);
    static void ReadAndSort(CDirectoryLister *owner, const std::shared_ptr<Run> &run);

    void TakeBatch(const std::shared_ptr<Run> &run);
    void OnBatch(const std::shared_ptr<Run> &run);
    void OnTypeKeys(const std::shared_ptr<Run> &run, const std::vector<std::string> &keys);
    void OnSorted(const std::shared_ptr<Run> &run, std::vector<int> newRowOf, int error);

    std::shared_ptr<Run> m_run; // the running listing, whose signals are delivered
    unsigned m_generation = 0;  // counts Cancel calls, for the signals of a listing that ends
    std::thread m_thread;
    CEndingWorkers m_cancelled;
    std::string m_directory;
    std::vector<ListedEntry> m_ready;
    std::vector<int> m_order;
    ListedTypes m_types;
};
