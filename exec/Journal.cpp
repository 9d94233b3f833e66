#include "exec/Journal.h"

#include "exec/DirectoryLocks.h"
#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace exec {

namespace {

const std::string kHeader = "KESTREL-JOURNAL 3\n";
// The second format had no birth times and no copies added during the run.
const std::string kHeaderVersion2 = "KESTREL-JOURNAL 2\n";
// The first format: one line per record (old, temporary, new path) in row order.
const std::string kHeaderVersion1 = "KESTREL-JOURNAL 1\n";
const std::string kSuffix = ".journal";
// Steps are read back this many at a time.
constexpr std::size_t kBlockSteps = 4096;
const std::string kWritingSuffix = ".new";

// Paths are bytes: the few that would break the line format are written as %XX.
void Encode(std::string_view path, std::string &out)
{
    platform::AppendPercentEncoded(out, path, [](unsigned char c) {
        return c == '%' || c == '\t' || c == '\n' || c == '\r' || c == '\0';
    });
}

// False for a path that is not one: an escape cut short or a NUL, which no
// name on Linux holds (the system would act on the part before it).
bool Decode(std::string_view text, std::string &path)
{
    if (text.find('\0') != std::string_view::npos)
        return false;
    // Most paths have nothing encoded.
    if (text.find('%') == std::string_view::npos) {
        path.assign(text);
        return true;
    }
    path.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = platform::HexDigitValue(text[i + 1]), low = platform::HexDigitValue(text[i + 2]);
        if (high < 0 || low < 0 || high + low == 0)
            return false;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

template <typename Number> bool ParseNumber(const std::string &text, Number &value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// Reads size bytes at offset, all of them; false on an error or a file that
// has become shorter.
bool ReadAt(int fd, std::uint64_t offset, std::size_t size, std::string &text)
{
    text.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(fd, text.data() + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// What ForEachLine gives besides 0 and an errno value of a read that failed:
// a line cut short at the end (the journal was being written), or one refused.
constexpr int kNotJournal = -1;

// Hands every whole line of fd to take with the offset it starts at, reading
// a block at a time.
int ForEachLine(int fd, const std::function<bool(std::string_view line, std::uint64_t offset)> &take)
{
    constexpr std::size_t kChunk = 1 << 20;
    std::string pending;
    std::uint64_t base = 0; // offset of pending's first byte
    std::vector<char> chunk(kChunk);
    for (;;) {
        const ssize_t n = read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return pending.empty() ? 0 : kNotJournal;
        pending.append(chunk.data(), static_cast<std::size_t>(n));
        std::size_t pos = 0;
        for (std::size_t end; (end = pending.find('\n', pos)) != std::string::npos; pos = end + 1)
            if (!take(std::string_view(pending).substr(pos, end - pos), base + pos))
                return kNotJournal;
        pending.erase(0, pos);
        base += pos;
    }
}

// Splits a line into its tab-separated fields, decoded.
bool SplitFields(std::string_view line, std::vector<std::string> &fields)
{
    std::size_t count = 0;
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (count == fields.size())
            fields.emplace_back();
        if (!Decode(line.substr(0, tab), fields[count++]))
            return false;
        if (tab == std::string_view::npos)
            break;
        line.remove_prefix(tab + 1);
    }
    fields.resize(count);
    return true;
}

bool ParseIdentity(const std::string &device, const std::string &inode, const std::string &birth,
                   platform::FileIdentity &identity)
{
    if (!ParseNumber(device, identity.device) || !ParseNumber(inode, identity.inode) ||
        !ParseNumber(birth, identity.birth))
        return false;
    identity.valid = identity.inode != 0;
    return true;
}

// A step: kind, from, to, and the identity of its file (device, inode and,
// from the third format on, birth time).
bool ParseStep(std::vector<std::string> &f, bool withBirth, CJournalEntry &entry)
{
    static const std::string kKinds = "MRCPT";
    if (f.size() != (withBirth ? 6u : 5u) || f[0].size() != 1 || kKinds.find(f[0][0]) == std::string::npos)
        return false;
    static const std::string kNoBirth = "0";
    if (!ParseIdentity(f[3], f[4], withBirth ? f[5] : kNoBirth, entry.file))
        return false;
    entry.kind = static_cast<CJournalEntry::Kind>(f[0][0]);
    entry.from.swap(f[1]);
    entry.to.swap(f[2]);
    entry.made = {};
    entry.madeAtSource = {};
    return true;
}

// The kinds of the lines that add a copy to a step: made for its target, or
// at its source by a recovery taking the step back.
const std::string kCopyAtTarget = "I";
const std::string kCopyAtSource = "B";

bool IsCopyLine(const std::vector<std::string> &f)
{
    return f.size() == 7 && (f[0] == kCopyAtTarget || f[0] == kCopyAtSource);
}

// A copy made after the journal was written: its kind, the target of its
// step, its identity, size and modification time. It belongs to the last
// step before it whose target is that name.
bool ParseCopy(const std::vector<std::string> &f, platform::FileVersion &made)
{
    return ParseIdentity(f[2], f[3], f[4], made.identity) && ParseNumber(f[5], made.size) &&
           ParseNumber(f[6], made.modified);
}

// The first format: one line per record (old, temporary, new path) in row
// order. Its runs moved every record with a temporary name there and every
// other one straight on, then the temporary names on. 0, an errno value or
// kNotJournal, as ForEachLine.
int ParseFirstFormat(int fd, std::vector<CJournalEntry> &entries)
{
    std::vector<CJournalEntry> later;
    std::vector<std::string> f;
    bool header = true;
    const int read = ForEachLine(fd, [&](std::string_view line, std::uint64_t) {
        if (std::exchange(header, false))
            return true;
        if (!SplitFields(line, f) || f.size() != 3)
            return false;
        if (f[1].empty()) {
            entries.push_back({CJournalEntry::Move, f[0], f[2], {}, {}, {}});
        } else {
            entries.push_back({CJournalEntry::Move, f[0], f[1], {}, {}, {}});
            later.push_back({CJournalEntry::Move, f[1], f[2], {}, {}, {}});
        }
        return true;
    });
    entries.insert(entries.end(), later.begin(), later.end());
    return read;
}

// Adds path's folder to folders unless it is the one added last (the steps of
// a run mostly share their folder).
void NoteFolder(const std::string &path, std::vector<std::string> &folders)
{
    const std::string folder = platform::SplitPath(path).directory;
    if (folders.empty() || folders.back() != folder)
        folders.push_back(folder);
}

void SortUnique(std::vector<std::string> &folders)
{
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
}

void AppendIdentity(std::string &text, const platform::FileIdentity &identity)
{
    text += std::to_string(identity.valid ? identity.device : 0);
    text += '\t';
    text += std::to_string(identity.valid ? identity.inode : 0);
    text += '\t';
    text += std::to_string(identity.valid ? identity.birth : 0);
}

std::string CopyLine(const std::string &kind, std::string_view to, const platform::FileVersion &copy)
{
    std::string line = kind + '\t';
    Encode(to, line);
    line += '\t';
    AppendIdentity(line, copy.identity);
    line += '\t';
    line += std::to_string(copy.size);
    line += '\t';
    line += std::to_string(copy.modified);
    line += '\n';
    return line;
}

void AppendEntry(std::string &text, char kind, std::string_view from, std::string_view to,
                 const platform::FileIdentity &file)
{
    text += kind;
    text += '\t';
    Encode(from, text);
    text += '\t';
    Encode(to, text);
    text += '\t';
    AppendIdentity(text, file);
    text += '\n';
}

// Writes every step of an ordered plan, in its order, a block at a time (a
// large run needs no second copy of its paths in memory). A copy onto a free
// name and the copy to a temporary name can be taken back by deleting the
// copy; a copy that replaced a file cannot, and is only finished.
int WriteSteps(int fd, const CRunPlan &plan)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string text = kHeader;
    for (const CPlanStep &step : plan.steps) {
        if (text.size() >= kBlock) {
            if (const int error = platform::WriteAll(fd, text))
                return error;
            text.clear();
        }
        const CRenameRecord &r = plan.records[step.record];
        switch (step.kind) {
        case StepKind::ToTemp:
            AppendEntry(text, plan.copy ? CJournalEntry::Copy : CJournalEntry::Move, r.oldPath, r.tempPath,
                        r.source);
            break;
        case StepKind::FromTemp:
            if (plan.copy)
                AppendEntry(text, CJournalEntry::PutCopy, r.tempPath, r.newPath, {});
            else
                AppendEntry(text, r.replaces ? CJournalEntry::Replace : CJournalEntry::Move, r.tempPath,
                            r.newPath, r.source);
            break;
        case StepKind::Direct:
            if (r.newPath == r.oldPath)
                break;
            if (!plan.copy)
                AppendEntry(text, r.replaces ? CJournalEntry::Replace : CJournalEntry::Move, r.oldPath,
                            r.newPath, r.source);
            else if (!r.replaces)
                AppendEntry(text, CJournalEntry::Copy, r.oldPath, r.newPath, r.source);
            break;
        }
    }
    return platform::WriteAll(fd, text);
}

} // namespace

std::string JournalDirectory()
{
    const char *state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return platform::JoinPath(platform::NormalizeDirectory(state), "Kestrel");
    const char *home = std::getenv("HOME");
    return platform::NormalizeDirectory(home ? home : "") + "/.local/state/Kestrel";
}

CRunJournal::~CRunJournal()
{
    Remove();
}

void CRunJournal::Keep()
{
    if (m_fd < 0)
        return;
    close(m_fd); // releases the lock: a recovery may take it now
    m_fd = -1;
}

void CRunJournal::Remove()
{
    if (m_fd < 0)
        return;
    unlink(m_path.c_str());
    close(m_fd); // releases the lock
    m_fd = -1;
}

int CRunJournal::Write(const CRunPlan &plan)
{
    return WriteWith([&](int fd) { return WriteSteps(fd, plan); });
}

int CRunJournal::WriteOutput(const std::string &temporary, const std::string &output)
{
    return WriteWith([&](int fd) {
        std::string text = kHeader;
        AppendEntry(text, CJournalEntry::Output, temporary, output, {});
        return platform::WriteAll(fd, text);
    });
}

int CRunJournal::WriteWith(const std::function<int(int fd)> &writeSteps)
{
    Remove();
    const std::string directory = JournalDirectory();
    if (const int error = platform::EnsureDirectory(directory))
        return error;
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char name[80];
    std::snprintf(name, sizeof name, "run-%ld-%lld%09ld%s", static_cast<long>(getpid()),
                  static_cast<long long>(now.tv_sec), now.tv_nsec, kSuffix.c_str());
    // Written under another name and renamed once complete, so a journal is
    // never seen cut short: a run killed while writing it had changed nothing.
    const std::string path = platform::JoinPath(directory, name);
    const std::string writing = path + kWritingSuffix;
    m_path = path; // named in the message of a journal that cannot be written
    const int fd = open(writing.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    // The lock tells a recovery in another instance that this run is still going.
    flock(fd, LOCK_EX);
    int error = writeSteps(fd);
    if (!error && fsync(fd) != 0)
        error = errno;
    if (!error && rename(writing.c_str(), path.c_str()) != 0)
        error = errno;
    if (!error)
        error = platform::SyncDirectory(directory);
    if (error) {
        unlink(writing.c_str());
        unlink(path.c_str());
        close(fd);
        return error;
    }
    m_fd = fd;
    return 0;
}

int CRunJournal::Append(const std::string &line)
{
    return m_fd < 0 ? EBADF : platform::WriteAll(m_fd, line);
}

int CRunJournal::RecordMove(const std::string &from, const std::string &to,
                            const platform::FileIdentity &file)
{
    std::string line;
    AppendEntry(line, CJournalEntry::Move, from, to, file);
    return Append(line);
}

int CRunJournal::RecordCopy(std::string_view to, const platform::FileVersion &copy)
{
    return Append(CopyLine(kCopyAtTarget, to, copy));
}

CJournalAppender::CJournalAppender(const std::string &journalPath)
    : m_fd(open(journalPath.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC)), m_openError(m_fd < 0 ? errno : 0)
{
}

CJournalAppender::~CJournalAppender()
{
    if (m_fd >= 0)
        close(m_fd);
}

int CJournalAppender::RecordCopy(const std::string &to, const platform::FileVersion &copy, bool atSource)
{
    return m_fd < 0 ? m_openError
                    : platform::WriteAll(m_fd, CopyLine(atSource ? kCopyAtSource : kCopyAtTarget, to, copy));
}

std::vector<std::string> FindLeftoverJournals()
{
    std::vector<std::string> journals;
    const std::string directory = JournalDirectory();
    DIR *dir = opendir(directory.c_str());
    if (!dir)
        return journals;
    const std::string unfinished = kSuffix + kWritingSuffix;
    while (const dirent *item = readdir(dir)) {
        const std::string name = item->d_name;
        const bool journal = name.ends_with(kSuffix) && name.size() > kSuffix.size();
        if (!journal && !name.ends_with(unfinished))
            continue;
        const std::string path = platform::JoinPath(directory, name);
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            // Not to be passed over in silence: the recovery says why it cannot be read.
            if (journal)
                journals.push_back(path);
            continue;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // One not finished belongs to a run killed before it changed anything.
            if (journal)
                journals.push_back(path);
            else
                unlink(path.c_str());
        }
        close(fd);
    }
    closedir(dir);
    std::sort(journals.begin(), journals.end());
    return journals;
}

namespace {

// Copies made after the journal was written, each with the index of its step.
using StepCopies = std::vector<std::pair<std::size_t, platform::FileVersion>>;

// Sorts copies by their step; of several lines about one step the last stands.
void KeepLastOfEachStep(StepCopies &copies)
{
    std::stable_sort(copies.begin(), copies.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    const auto last = std::unique(copies.rbegin(), copies.rend(),
                                  [](const auto &a, const auto &b) { return a.first == b.first; });
    copies.erase(copies.begin(), last.base());
}

// Hands out the copies of steps taken in increasing order.
class CCopiesOfSteps {
public:
    CCopiesOfSteps(const StepCopies &copies, std::size_t firstStep)
        : m_next(std::lower_bound(copies.begin(), copies.end(), firstStep,
                                  [](const auto &m, std::size_t index) { return m.first < index; })),
          m_end(copies.end())
    {
    }
    platform::FileVersion Of(std::size_t step)
    {
        return m_next != m_end && m_next->first == step ? (m_next++)->second : platform::FileVersion{};
    }

private:
    StepCopies::const_iterator m_next, m_end;
};

} // namespace

CJournalSteps::~CJournalSteps()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool CJournalSteps::Open(const std::string &journalPath, int *error)
{
    m_fd = open(journalPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        if (error)
            *error = errno;
        return false;
    }
    std::string header(kHeader.size(), '\0');
    const ssize_t n = pread(m_fd, header.data(), header.size(), 0);
    header.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    // Sources' and targets' folders apart: a run between two folders
    // alternates them.
    std::vector<std::string> targets;
    int read = kNotJournal;
    if (header == kHeaderVersion1) {
        read = ParseFirstFormat(m_fd, m_firstFormat);
        m_count = m_firstFormat.size();
        for (const CJournalEntry &e : m_firstFormat) {
            NoteFolder(e.from, m_folders);
            NoteFolder(e.to, targets);
        }
    } else if (header == kHeader || header == kHeaderVersion2) {
        m_withBirth = header == kHeader;
        // The copies are matched to their steps by the hash of the name
        // they were made for, once every line has been read.
        std::vector<std::uint64_t> targetHashes;
        struct RecordedCopy {
            std::uint64_t hash;
            std::size_t stepsBefore;
            bool atSource;
            platform::FileVersion made;
        };
        std::vector<RecordedCopy> copies;
        std::vector<std::string> f;
        CJournalEntry entry;
        bool first = true;
        const auto hash = [](const std::string &name) { return std::hash<std::string>{}(name); };
        read = ForEachLine(m_fd, [&](std::string_view line, std::uint64_t offset) {
            if (std::exchange(first, false))
                return true;
            if (!SplitFields(line, f))
                return false;
            if (m_withBirth && IsCopyLine(f)) {
                platform::FileVersion made;
                if (!ParseCopy(f, made))
                    return false;
                copies.push_back({hash(f[1]), m_count, f[0] == kCopyAtSource, made});
                return true;
            }
            if (!ParseStep(f, m_withBirth, entry))
                return false;
            if (m_count % kBlockSteps == 0)
                m_blockStarts.push_back(offset);
            m_end = offset + line.size() + 1;
            targetHashes.push_back(hash(entry.to));
            NoteFolder(entry.from, m_folders);
            NoteFolder(entry.to, targets);
            ++m_count;
            return true;
        });
        if (read == 0 && !copies.empty()) {
            std::vector<std::pair<std::uint64_t, std::size_t>> byHash(targetHashes.size());
            for (std::size_t i = 0; i < targetHashes.size(); ++i)
                byHash[i] = {targetHashes[i], i};
            std::sort(byHash.begin(), byHash.end());
            for (const RecordedCopy &copy : copies) {
                // The last step before the copy's line with that target.
                auto it = std::lower_bound(byHash.begin(), byHash.end(),
                                           std::make_pair(copy.hash, copy.stepsBefore));
                if (it == byHash.begin() || (--it)->first != copy.hash) {
                    read = kNotJournal;
                    break;
                }
                (copy.atSource ? m_madeAtSource : m_made).emplace_back(it->second, copy.made);
            }
            KeepLastOfEachStep(m_made);
            KeepLastOfEachStep(m_madeAtSource);
        }
    }
    if (read != 0) {
        if (error && read > 0)
            *error = read;
        return false;
    }
    m_folders.insert(m_folders.end(), targets.begin(), targets.end());
    SortUnique(m_folders);
    return true;
}

bool CJournalSteps::ReadBlock(std::size_t block, std::vector<CJournalEntry> &entries) const
{
    const std::uint64_t from = m_blockStarts[block];
    const std::uint64_t to = block + 1 < m_blockStarts.size() ? m_blockStarts[block + 1] : m_end;
    std::string text;
    if (!ReadAt(m_fd, from, static_cast<std::size_t>(to - from), text))
        return false;
    const std::size_t firstStep = block * kBlockSteps;
    CCopiesOfSteps made(m_made, firstStep), madeAtSource(m_madeAtSource, firstStep);
    entries.clear();
    std::vector<std::string> f;
    std::size_t pos = 0;
    for (std::size_t end; (end = text.find('\n', pos)) != std::string::npos; pos = end + 1) {
        if (!SplitFields(std::string_view(text).substr(pos, end - pos), f))
            return false;
        if (m_withBirth && IsCopyLine(f))
            continue;
        CJournalEntry &entry = entries.emplace_back();
        if (!ParseStep(f, m_withBirth, entry))
            return false;
        const std::size_t index = firstStep + entries.size() - 1;
        entry.made = made.Of(index);
        entry.madeAtSource = madeAtSource.Of(index);
    }
    return pos == text.size() && entries.size() == std::min(kBlockSteps, m_count - firstStep);
}

bool CJournalSteps::ForEach(const std::function<void(const CJournalEntry &)> &take, bool backward) const
{
    if (!m_firstFormat.empty()) {
        if (backward)
            std::for_each(m_firstFormat.rbegin(), m_firstFormat.rend(), take);
        else
            std::for_each(m_firstFormat.begin(), m_firstFormat.end(), take);
        return true;
    }
    std::vector<CJournalEntry> entries;
    for (std::size_t i = 0; i < m_blockStarts.size(); ++i) {
        if (!ReadBlock(backward ? m_blockStarts.size() - 1 - i : i, entries))
            return false;
        if (backward)
            std::for_each(entries.rbegin(), entries.rend(), take);
        else
            std::for_each(entries.begin(), entries.end(), take);
    }
    return true;
}

bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries, int *error)
{
    entries.clear();
    CJournalSteps steps;
    if (!steps.Open(journalPath, error))
        return false;
    entries.reserve(steps.size());
    return steps.ForEach([&](const CJournalEntry &e) { entries.push_back(e); });
}

CJournalSummary SummarizeJournal(const CJournalSteps &steps)
{
    CJournalSummary summary;
    bool first = true;
    steps.ForEach([&](const CJournalEntry &e) {
        if (std::exchange(first, false))
            summary.folder = platform::SplitPath(e.from).directory;
        // A file that steps aside to a temporary name is one file in two steps.
        summary.files += !TemporaryNameLike(e.from);
        summary.copies = summary.copies || e.kind == CJournalEntry::Copy;
        summary.concatenation = summary.concatenation || e.kind == CJournalEntry::Output;
    });
    return summary;
}

} // namespace exec
