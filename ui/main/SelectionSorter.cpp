#include "ui/main/SelectionSorter.h"

#include "model/TypeNames.h"

#include <QMetaObject>

#include <atomic>
#include <utility>

// What the interface thread and one worker share.
struct CSelectionSorter::Run {
    CSelectionList::Snapshot rows;
    ListingSort sort;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> ended{false}; // the worker returned
};

CSelectionSorter::CSelectionSorter(QObject *parent) : QObject(parent) {}

CSelectionSorter::~CSelectionSorter()
{
    Cancel();
    m_cancelled.JoinEnded(true);
}

void CSelectionSorter::Start(const CSelectionList &rows, const ListingSort &sort)
{
    Cancel();
    m_cancelled.JoinEnded(false);
    m_run = std::make_shared<Run>();
    m_run->rows = rows.TakeSnapshot();
    m_run->sort = sort;
    m_thread = std::thread(&CSelectionSorter::Work, this, m_run);
}

void CSelectionSorter::Cancel()
{
    m_finished.reset();
    m_order.clear();
    if (!m_run)
        return;
    m_run->cancelled = true;
    // The worker stops at its next look at the flag; it is joined once it has ended.
    m_cancelled.Add(std::move(m_thread), std::shared_ptr<const std::atomic<bool>>(m_run, &m_run->ended));
    m_run.reset();
}

std::vector<int> CSelectionSorter::ApplyOrder(CSelectionList &rows)
{
    const std::shared_ptr<Run> finished = std::exchange(m_finished, nullptr);
    if (!finished || !rows.Holds(finished->rows))
        return {};
    rows.MoveRows(m_order);
    return std::exchange(m_order, {});
}

void CSelectionSorter::Work(CSelectionSorter *owner, const std::shared_ptr<Run> &run)
{
    TypeNames types;
    std::vector<int> newRowOf = CSelectionList::SortedOrder(run->rows, run->sort, types, &run->cancelled);
    if (!run->cancelled)
        QMetaObject::invokeMethod(
            owner,
            [owner, run, newRowOf = std::move(newRowOf)]() mutable {
                owner->OnSorted(run, std::move(newRowOf));
            },
            Qt::QueuedConnection);
    run->ended = true;
}

void CSelectionSorter::OnSorted(const std::shared_ptr<Run> &run, std::vector<int> newRowOf)
{
    if (run != m_run)
        return;
    m_thread.join(); // it has posted its result
    m_run.reset();
    m_finished = run;
    m_order = std::move(newRowOf);
    emit OrderReady(run->sort);
}
