#include "exec/RunHistory.h"

#include "exec/Journal.h"
#include "exec/RunDescription.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <set>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

namespace {

constexpr const char *kSuffix = ".run";

// The number of an entry's file name ("0000000042.run"), 0 for any other name.
std::uint64_t EntryNumber(const std::string &name)
{
    const std::size_t digits = name.size() - std::char_traits<char>::length(kSuffix);
    if (!name.ends_with(kSuffix) || digits == 0)
        return 0;
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        number = number * 10 + static_cast<std::uint64_t>(name[i] - '0');
    }
    return number;
}

// The numbers of the entries on disk, in rising order.
std::vector<std::uint64_t> EntryNumbers(const std::string &directory)
{
    std::vector<std::uint64_t> numbers;
    DIR *dir = opendir(directory.c_str());
    if (!dir)
        return numbers;
    while (const dirent *item = readdir(dir))
        if (const std::uint64_t number = EntryNumber(item->d_name))
            numbers.push_back(number);
    closedir(dir);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

CRunHistory::CRunHistory() : m_directory(platform::JoinPath(JournalDirectory(), "history")) {}

std::string CRunHistory::EntryPath(std::uint64_t number) const
{
    char name[32];
    std::snprintf(name, sizeof name, "%010" PRIu64 "%s", number, kSuffix);
    return platform::JoinPath(m_directory, name);
}

std::vector<CRunSummary> CRunHistory::List() const
{
    std::vector<CRunSummary> list;
    const std::vector<std::uint64_t> numbers = EntryNumbers(m_directory);
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n) {
        CRunSummary summary;
        std::ifstream in(EntryPath(*n), std::ios::binary);
        struct stat st;
        const bool opened = in && stat(EntryPath(*n).c_str(), &st) == 0;
        // A file still empty is an entry whose first form is being written.
        if (opened && st.st_size == 0)
            continue;
        if (!opened || !ReadRunSummary(in, summary) || summary.number != *n) {
            summary = CRunSummary();
            summary.damaged = true;
        }
        summary.number = *n;
        summary.bytes = opened ? static_cast<std::uint64_t>(st.st_size) : 0;
        list.push_back(std::move(summary));
    }
    return list;
}

std::uint64_t CRunHistory::Newest() const
{
    const std::vector<std::uint64_t> numbers = EntryNumbers(m_directory);
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n) {
        struct stat st;
        if (stat(EntryPath(*n).c_str(), &st) != 0 || st.st_size > 0)
            return *n;
    }
    return 0;
}

CRunHistory::LoadResult CRunHistory::Load(std::uint64_t number, CHistoryEntry &entry) const
{
    std::ifstream in(EntryPath(number), std::ios::binary);
    if (!in)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Damaged;
    CHistoryEntry loaded;
    if (!ReadHistoryEntry(in, loaded) || loaded.number != number)
        return LoadResult::Damaged;
    entry = std::move(loaded);
    return LoadResult::Loaded;
}

int CRunHistory::Create(CHistoryEntry &entry, std::span<const CRenameRecord> more) const
{
    if (const int code = platform::EnsureDirectory(m_directory))
        return code;
    const std::vector<std::uint64_t> numbers = EntryNumbers(m_directory);
    std::uint64_t number = numbers.empty() ? 1 : numbers.back() + 1;
    // The number is the process's once its file is created; another process
    // that took it first makes this one try the next.
    for (;; ++number) {
        const int fd = ::open(EntryPath(number).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            break;
        }
        if (errno != EEXIST)
            return errno;
    }
    entry.number = number;
    const int code = Write(entry, more, true);
    if (code != 0)
        ::unlink(EntryPath(number).c_str());
    return code;
}

int CRunHistory::Save(const CHistoryEntry &entry, std::span<const CRenameRecord> more) const
{
    return Write(entry, more, false);
}

int CRunHistory::Write(const CHistoryEntry &entry, std::span<const CRenameRecord> more, bool created) const
{
    const std::string path = EntryPath(entry.number);
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int code = WriteHistoryEntry(fd, entry, more);
    if (code == 0 && ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    // Only a file of this entry is replaced: one removed meanwhile (the run
    // was dropped or taken back) is not brought back, except as it is made.
    if (code == 0 && !created && !platform::PathExists(path))
        code = ENOENT;
    if (code == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        code = errno;
    if (code == 0)
        code = platform::SyncDirectory(m_directory);
    if (code != 0)
        ::unlink(temporary.c_str());
    return code;
}

int CRunHistory::Remove(std::uint64_t number) const
{
    return ::unlink(EntryPath(number).c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

std::vector<CRunSummary> CRunHistory::Trim() const
{
    // Whoever trims holds the history alone, and a number is taken only under
    // the shared lock: an entry still empty now was left by a process that
    // ended between taking its number and writing its entry.
    for (const std::uint64_t number : EntryNumbers(m_directory)) {
        struct stat st;
        if (stat(EntryPath(number).c_str(), &st) == 0 && st.st_size == 0)
            Remove(number);
    }
    std::vector<CRunSummary> dropped;
    std::vector<CRunSummary> list = List();
    std::uint64_t bytes = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        bytes += list[i].bytes;
        if (i == 0 || (i < kMaxRuns && bytes <= kMaxBytes))
            continue;
        if (Remove(list[i].number) == 0)
            dropped.push_back(std::move(list[i]));
    }
    if (dropped.empty())
        return dropped;
    // The note keeps the latest lines only: it starts anew once it is long.
    constexpr off_t kLongestNote = 64 << 10;
    struct stat st;
    const bool restart = stat(DroppedNotePath().c_str(), &st) == 0 && st.st_size > kLongestNote;
    const int fd = ::open(DroppedNotePath().c_str(),
                          O_WRONLY | O_CREAT | O_CLOEXEC | (restart ? O_TRUNC : O_APPEND), 0600);
    if (fd >= 0) {
        std::string lines;
        for (auto run = dropped.rbegin(); run != dropped.rend(); ++run)
            lines += DescribeRun(*run) + '\n';
        platform::WriteAll(fd, lines);
        ::close(fd);
    }
    return dropped;
}

std::string CRunHistory::DroppedNotePath() const
{
    return platform::JoinPath(m_directory, "dropped.txt");
}

std::string CRunHistory::LastDropped() const
{
    std::ifstream in(DroppedNotePath(), std::ios::binary);
    std::string line, last;
    while (std::getline(in, line))
        if (!line.empty())
            last = std::move(line);
    return last;
}

int CRunHistory::TakeInEarlierRecord(const std::string &undoFile) const
{
    std::ifstream in(undoFile, std::ios::binary);
    if (!in)
        return errno == ENOENT ? 0 : errno;
    CHistoryEntry entry;
    struct stat st;
    if (!ReadHistoryEntry(in, entry) || stat(undoFile.c_str(), &st) != 0)
        return EINVAL;
    entry.time = static_cast<platform::TimeValue>(st.st_mtime);
    NoteFolders(entry);
    const Lock shared(*this, Lock::Shared, 3000);
    if (shared.Error() != 0)
        return shared.Error();
    if (const int code = Create(entry))
        return code;
    return ::unlink(undoFile.c_str()) == 0 ? 0 : errno;
}

CRunHistory::Lock::Lock(const CRunHistory &history, Kind kind, int waitMs)
{
    if ((m_error = platform::EnsureDirectory(history.directory())) != 0)
        return;
    m_fd =
        ::open(platform::JoinPath(history.directory(), ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    const int operation = (kind == Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (::flock(m_fd, operation) != 0) {
        m_error = errno;
        if (m_error != EWOULDBLOCK || std::chrono::steady_clock::now() >= until)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_error = 0;
}

CRunHistory::Lock::~Lock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string EarlierUndoFile()
{
    return platform::JoinPath(JournalDirectory(), "cli-last-rename.undo");
}

void NoteFolders(CHistoryEntry &entry, std::span<const CRenameRecord> more)
{
    std::set<std::string, std::less<>> folders;
    entry.folders.clear();
    std::string_view last;
    for (const std::span<const CRenameRecord> records :
         {std::span<const CRenameRecord>(entry.undo.records), more})
        for (const CRenameRecord &r : records) {
            const std::string_view path = r.oldPath.empty() ? r.newPath : r.oldPath;
            const std::size_t slash = path.rfind('/');
            const std::string_view folder = path.substr(0, slash == std::string::npos ? 0 : slash);
            // Rows of one folder mostly follow each other.
            if (folder == last)
                continue;
            last = folder;
            if (folders.emplace(folder).second && entry.folders.size() < kShownFolders)
                entry.folders.emplace_back(folder);
        }
    entry.folderCount = folders.size();
}

} // namespace exec
