#pragma once

#include "model/DirectoryListing.h"
#include "ui/main/SelectionList.h"
#include "ui/widgets/EndingWorkers.h"

#include <QObject>

#include <memory>
#include <thread>
#include <vector>

// Orders the rows of a selection list on a worker thread, so that a click on a
// header of a list of a million rows leaves the window responsive. The order
// arrives through OrderReady and is applied in one step (ApplyOrder), as a
// reorder of the list, so the selection, the current row and the scroll
// position stay; it equals the order CSelectionList::Sort gives.
//
// Threading: every member function is called, and OrderReady arrives, on the
// interface thread. The worker reads a snapshot of the rows
// (CSelectionList::Snapshot, whose rows the list never changes) and looks type
// names up in a TypeNames of its own; it never touches the list or a widget.
class CSelectionSorter : public QObject {
    Q_OBJECT

public:
    explicit CSelectionSorter(QObject *parent = nullptr);
    // Cancels the running sort and waits for every worker to end.
    ~CSelectionSorter() override;

    // Starts ordering the rows `rows` holds now by `sort`. A sort still
    // running is superseded: its order never arrives.
    void Start(const CSelectionList &rows, const ListingSort &sort);
    // Returns at once; the order of the cancelled sort never arrives.
    void Cancel();
    bool IsRunning() const { return m_run != nullptr; }

    // Puts `rows` in the order that arrived last and returns the new row of
    // each old row; empty, rows untouched, when `rows` changed since Start.
    std::vector<int> ApplyOrder(CSelectionList &rows);

signals:
    // The order of the last Start is ready for ApplyOrder.
    void OrderReady(const ListingSort &sort);

private:
    struct Run;
    // Worker thread: owner is used only to post the result to it.
    static void Work(CSelectionSorter *owner, const std::shared_ptr<Run> &run);
    void OnSorted(const std::shared_ptr<Run> &run, std::vector<int> newRowOf);

    std::shared_ptr<Run> m_run;      // the running sort, whose order is delivered
    std::shared_ptr<Run> m_finished; // the sort whose order waits for ApplyOrder
    std::vector<int> m_order;
    std::thread m_thread;
    CEndingWorkers m_cancelled;
};
