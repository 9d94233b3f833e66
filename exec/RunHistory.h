#pragma once

#include "exec/HistoryFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The runs that can still be taken back, one file each in a folder of the
// state directory, numbered in the order they began. Several processes (the
// window, kestrel-cli) share it: a number is taken by creating its file, and
// whatever removes or rewrites entries holds the folder's lock.
namespace exec {

class CRunHistory {
public:
    static constexpr std::size_t kMaxRuns = 50;
    static constexpr std::uint64_t kMaxBytes = std::uint64_t{256} << 20;

    // $XDG_STATE_HOME/Kestrel/history.
    CRunHistory();
    explicit CRunHistory(std::string directory) : m_directory(std::move(directory)) {}

    const std::string &directory() const { return m_directory; }
    std::string EntryPath(std::uint64_t number) const;

    // Every entry, newest first; one that cannot be read is listed as damaged.
    std::vector<CRunSummary> List() const;
    // The number of the newest entry, 0 when there is none (no file is read).
    std::uint64_t Newest() const;

    enum class LoadResult { Loaded, Missing, Damaged };
    LoadResult Load(std::uint64_t number, CHistoryEntry &entry) const;

    // Gives entry the next number and writes it (its records, then more);
    // call it holding the lock shared. 0 or an error code.
    int Create(CHistoryEntry &entry, std::span<const CRenameRecord> more = {}) const;
    // Replaces the entry of entry.number atomically. 0 or an error code.
    int Save(const CHistoryEntry &entry, std::span<const CRenameRecord> more = {}) const;
    // 0 when the entry is gone afterwards, else the error code.
    int Remove(std::uint64_t number) const;
    // Drops the oldest entries beyond kMaxRuns, or beyond kMaxBytes together
    // (the newest is always kept), and returns what it dropped; a line for
    // each is added to a note in the folder. Call it holding the lock alone.
    std::vector<CRunSummary> Trim() const;
    // The line of the last run that Trim dropped ("" when none was).
    std::string LastDropped() const;

    // Takes in the undo file of the last run that an earlier kestrel-cli
    // kept, as the newest entry; the file goes once its entry is written.
    // 0 or an error code (the file stays).
    int TakeInEarlierRecord(const std::string &undoFile) const;

    // A run holds the history shared while it lasts; taking a run back and
    // dropping old runs hold it alone, so that neither works on the entry of
    // a run that is still going on.
    class Lock {
    public:
        enum Kind { Shared, Exclusive };
        // Waits up to waitMs for the lock; Error() tells whether it was had.
        Lock(const CRunHistory &history, Kind kind, int waitMs);
        ~Lock();
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;
        // 0 when held; EWOULDBLOCK when another process kept it; else the error code.
        int Error() const { return m_error; }

    private:
        int m_fd = -1;
        int m_error = 0;
    };

private:
    std::string DroppedNotePath() const;
    int Write(const CHistoryEntry &entry, std::span<const CRenameRecord> more, bool created) const;

    std::string m_directory;
};

// The undo file of the last run that earlier versions of kestrel-cli kept.
std::string EarlierUndoFile();

// The folders of a run's records and of more (the folders their files were
// in), the first kShownFolders of them kept in the entry, all of them counted.
void NoteFolders(CHistoryEntry &entry, std::span<const CRenameRecord> more = {});

} // namespace exec
