#include "ui/main/DirectoryLister.h"

#include "model/EntrySort.h"
#include "platform/Paths.h"
#include "ui/main/SelectionList.h"

#include <QMetaObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;
// The first rows show soon; later batches come often enough to look live
// while each costs the interface thread little.
constexpr auto kFirstBatchDelay = std::chrono::milliseconds(20);
constexpr auto kBatchInterval = std::chrono::milliseconds(60);

} // namespace

// What the interface thread and one worker share.
struct CDirectoryLister::Run {
    std::string directory;
    ListingFilter filter;
    ListingSort sort;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> ended{false}; // the worker returned

    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex:
    std::vector<ListedEntry> pending;
    int readCount = 0;
    bool batchPosted = false;
    std::unordered_map<std::string, std::string> typeNames;
    bool typeNamesGiven = false;
};

CDirectoryLister::CDirectoryLister(QObject *parent) : QObject(parent) {}

CDirectoryLister::~CDirectoryLister()
{
    Cancel();
    m_cancelled.JoinEnded(true);
}

void CDirectoryLister::Start(const std::string &directory, const ListingFilter &filter,
                             const ListingSort &sort)
{
    Cancel();
    m_cancelled.JoinEnded(false);
    m_run = std::make_shared<Run>();
    m_run->directory = platform::NormalizeDirectory(directory);
    m_run->filter = filter;
    m_run->sort = sort;
    m_directory = m_run->directory;
    m_order.clear();
    m_thread = std::thread(&CDirectoryLister::Work, this, m_run);
}

void CDirectoryLister::Cancel()
{
    ++m_generation;
    m_ready.clear();
    if (!m_run)
        return;
    {
        const std::lock_guard lock(m_run->mutex);
        m_run->cancelled = true;
    }
    m_run->wake.notify_all();
    // The worker stops at its next entry; it is joined once it has ended.
    m_cancelled.Add(std::move(m_thread), std::shared_ptr<const std::atomic<bool>>(m_run, &m_run->ended));
    m_run.reset();
}

void CDirectoryLister::MoveInto(CSelectionList &rows)
{
    rows.AppendRows(m_directory, std::move(m_ready));
    m_ready.clear();
}

std::vector<int> CDirectoryLister::ApplyOrder(CSelectionList &rows)
{
    if (m_order.empty() || static_cast<std::size_t>(rows.RowCount()) != m_order.size() ||
        rows.Directory() != m_directory)
        return {};
    rows.MoveRows(m_order);
    return std::move(m_order);
}

void CDirectoryLister::Work(CDirectoryLister *owner, const std::shared_ptr<Run> &run)
{
    ReadAndSort(owner, run);
    run->ended = true;
}

void CDirectoryLister::ReadAndSort(CDirectoryLister *owner, const std::shared_ptr<Run> &run)
{
    std::vector<ListedEntry> batch;
    std::vector<ListingGroup> groups;
    // The sort key of every row, or its type key until the type names are known,
    // and its name, which orders rows of equal keys.
    std::vector<std::string> keys;
    std::vector<std::string> names;
    const bool byType = run->sort.key == SortKey::Type;
    ListedSortKey sortKey(run->sort.key, run->sort.numeric);
    static const std::string kNoType;

    const auto handOver = [&] {
        const std::lock_guard lock(run->mutex);
        run->pending.insert(run->pending.end(), std::make_move_iterator(batch.begin()),
                            std::make_move_iterator(batch.end()));
        run->readCount = static_cast<int>(groups.size());
        batch.clear();
        if (run->batchPosted)
            return;
        run->batchPosted = true;
        QMetaObject::invokeMethod(
            owner, [owner, run] { owner->OnBatch(run); }, Qt::QueuedConnection);
    };

    auto due = Clock::now() + kFirstBatchDelay;
    const int error =
        ReadFilteredListing(run->directory, run->filter, [&](ListedEntry &&row, ListingGroup group) {
            if (run->cancelled)
                return false;
            keys.push_back(byType ? row.TypeKey() : sortKey(row, kNoType));
            names.push_back(row.name);
            groups.push_back(group);
            batch.push_back(std::move(row));
            if (const auto now = Clock::now(); now >= due) {
                handOver();
                due = now + kBatchInterval;
            }
            return true;
        });
    if (run->cancelled)
        return;
    handOver();

    if (byType) {
        // Type names come from the interface thread's type cache, once per type key.
        const std::unordered_set<std::string> distinct(keys.begin(), keys.end());
        std::vector<std::string> typeKeys(distinct.begin(), distinct.end());
        QMetaObject::invokeMethod(
            owner, [owner, run, typeKeys] { owner->OnTypeKeys(run, typeKeys); }, Qt::QueuedConnection);
        std::unique_lock lock(run->mutex);
        run->wake.wait(lock, [&] { return run->typeNamesGiven || run->cancelled; });
        if (run->cancelled)
            return;
        for (std::string &key : keys)
            key = sortKey(ListedEntry{}, run->typeNames[key]);
    }

    // Sorted from the listing order, which puts ".." first.
    const std::vector<std::size_t> listed = ListingOrder(groups);
    std::vector<std::string> listedKeys;
    listedKeys.reserve(keys.size());
    for (const std::size_t row : listed)
        listedKeys.push_back(std::move(keys[row]));
    keys = {};
    if (run->cancelled)
        return;
    const bool parentListed = !listed.empty() && groups[listed.front()] == kParentGroup;
    const std::vector<std::size_t> sorted = SortedListingOrder(
        std::move(listedKeys), run->sort,
        [&](std::size_t position) { return std::string_view(names[listed[position]]); },
        parentListed ? 0 : kNoParentRow);
    std::vector<int> newRowOf(sorted.size());
    for (std::size_t position = 0; position < sorted.size(); ++position)
        newRowOf[listed[sorted[position]]] = static_cast<int>(position);
    if (run->cancelled)
        return;
    QMetaObject::invokeMethod(
        owner,
        [owner, run, newRowOf = std::move(newRowOf), error]() mutable {
            owner->OnSorted(run, std::move(newRowOf), error);
        },
        Qt::QueuedConnection);
}

void CDirectoryLister::TakeBatch(const std::shared_ptr<Run> &run)
{
    const std::lock_guard lock(run->mutex);
    run->batchPosted = false;
    m_ready.insert(m_ready.end(), std::make_move_iterator(run->pending.begin()),
                   std::make_move_iterator(run->pending.end()));
    run->pending.clear();
}

void CDirectoryLister::OnBatch(const std::shared_ptr<Run> &run)
{
    if (run != m_run)
        return;
    TakeBatch(run);
    int done;
    {
        const std::lock_guard lock(run->mutex);
        done = run->readCount;
    }
    emit Progress(done, 0);
    if (run == m_run && !m_ready.empty())
        emit RowsReady();
}

void CDirectoryLister::OnTypeKeys(const std::shared_ptr<Run> &run, const std::vector<std::string> &keys)
{
    if (run != m_run)
        return;
    std::unordered_map<std::string, std::string> names;
    for (const std::string &key : keys)
        names.emplace(key, m_types.Name(key));
    {
        const std::lock_guard lock(run->mutex);
        run->typeNames = std::move(names);
        run->typeNamesGiven = true;
    }
    run->wake.notify_all();
}

void CDirectoryLister::OnSorted(const std::shared_ptr<Run> &run, std::vector<int> newRowOf, int error)
{
    if (run != m_run)
        return;
    m_thread.join(); // it has posted its last result
    m_run.reset();
    TakeBatch(run);
    const int total = static_cast<int>(newRowOf.size());
    m_order = std::move(newRowOf);
    // A handler may cancel or start another listing: nothing more of this one then.
    const auto current = [this, generation = m_generation] { return m_generation == generation; };
    if (!m_ready.empty())
        emit RowsReady();
    if (current())
        emit Progress(total, total);
    if (current())
        emit OrderReady();
    if (current())
        emit Finished(error);
}
