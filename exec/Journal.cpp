#include "exec/Journal.h"

#include "exec/DirectoryLocks.h"
#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

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

const std::string kHeader = "KESTREL-JOURNAL 2\n";
// The first format: one line per record (old, temporary, new path) in row order.
const std::string kHeaderVersion1 = "KESTREL-JOURNAL 1\n";
const std::string kSuffix = ".journal";
const std::string kWritingSuffix = ".new";

// Paths are bytes: the few that would break the line format are written as %XX.
void Encode(const std::string &path, std::string &out)
{
    static const char kHex[] = "0123456789ABCDEF";
    for (const char c : path) {
        if (c == '%' || c == '\t' || c == '\n' || c == '\r' || c == '\0') {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Decode(std::string_view text, std::string &path)
{
    path.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

bool ParseNumber(const std::string &text, std::uint64_t &value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ReadAll(int fd, std::string &text)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// Splits the lines after header into tab-separated fields.
bool ParseLines(const std::string &text, std::size_t pos, std::size_t fieldCount,
                const std::function<bool(const std::vector<std::string> &)> &take)
{
    std::vector<std::string> fields(fieldCount);
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false; // cut short while it was written: not a journal of a run that moved anything
        std::string_view line(text.data() + pos, end - pos);
        for (std::size_t f = 0; f < fieldCount; ++f) {
            const std::size_t tab = f + 1 < fieldCount ? line.find('\t') : line.size();
            if (tab == std::string_view::npos || !Decode(line.substr(0, tab), fields[f]))
                return false;
            line.remove_prefix(std::min(line.size(), tab + 1));
        }
        if (!take(fields))
            return false;
        pos = end + 1;
    }
    return true;
}

bool ParseJournal(const std::string &text, std::vector<CJournalEntry> &entries)
{
    if (text.compare(0, kHeader.size(), kHeader) == 0)
        return ParseLines(text, kHeader.size(), 5, [&](const std::vector<std::string> &f) {
            static const std::string kKinds = "MRCP";
            CJournalEntry entry;
            if (f[0].size() != 1 || kKinds.find(f[0][0]) == std::string::npos ||
                !ParseNumber(f[3], entry.device) || !ParseNumber(f[4], entry.inode))
                return false;
            entry.kind = static_cast<CJournalEntry::Kind>(f[0][0]);
            entry.from = f[1];
            entry.to = f[2];
            entries.push_back(std::move(entry));
            return true;
        });
    if (text.compare(0, kHeaderVersion1.size(), kHeaderVersion1) != 0)
        return false;
    // The first format's runs moved every record with a temporary name there
    // and every other one straight on, then the temporary names on.
    std::vector<CJournalEntry> later;
    const bool parsed = ParseLines(text, kHeaderVersion1.size(), 3, [&](const std::vector<std::string> &f) {
        if (f[1].empty()) {
            entries.push_back({CJournalEntry::Move, f[0], f[2]});
        } else {
            entries.push_back({CJournalEntry::Move, f[0], f[1]});
            later.push_back({CJournalEntry::Move, f[1], f[2]});
        }
        return true;
    });
    entries.insert(entries.end(), later.begin(), later.end());
    return parsed;
}

void AppendEntry(std::string &text, char kind, const std::string &from, const std::string &to,
                 std::uint64_t device = 0, std::uint64_t inode = 0)
{
    text += kind;
    text += '\t';
    Encode(from, text);
    text += '\t';
    Encode(to, text);
    text += '\t';
    text += std::to_string(device);
    text += '\t';
    text += std::to_string(inode);
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
        const std::uint64_t device = r.sourceDevice, inode = r.sourceInode;
        switch (step.kind) {
        case StepKind::ToTemp:
            if (plan.copy)
                AppendEntry(text, CJournalEntry::Copy, r.oldPath, r.tempPath);
            else
                AppendEntry(text, CJournalEntry::Move, r.oldPath, r.tempPath, device, inode);
            break;
        case StepKind::FromTemp:
            if (plan.copy)
                AppendEntry(text, CJournalEntry::PutCopy, r.tempPath, r.newPath);
            else
                AppendEntry(text, r.replaces ? CJournalEntry::Replace : CJournalEntry::Move, r.tempPath,
                            r.newPath, device, inode);
            break;
        case StepKind::Direct:
            if (r.newPath == r.oldPath)
                break;
            if (!plan.copy)
                AppendEntry(text, r.replaces ? CJournalEntry::Replace : CJournalEntry::Move, r.oldPath,
                            r.newPath, device, inode);
            else if (!r.replaces)
                AppendEntry(text, CJournalEntry::Copy, r.oldPath, r.newPath);
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
    const int fd = open(writing.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    // The lock tells a recovery in another instance that this run is still going.
    flock(fd, LOCK_EX);
    int error = WriteSteps(fd, plan);
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
    m_path = path;
    m_fd = fd;
    return 0;
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
        if (fd < 0)
            continue;
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

bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries)
{
    entries.clear();
    const int fd = open(journalPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::string text;
    const bool read = ReadAll(fd, text);
    close(fd);
    return read && ParseJournal(text, entries);
}

namespace {

// True when the file at path is the step's file: the same identity where the
// journal knows it, else anything at all.
bool HoldsFile(const std::string &path, const CJournalEntry &e)
{
    const platform::FileIdentity now = platform::GetFileIdentity(path);
    if (!now.valid)
        return false;
    return e.inode == 0 || (now.device == e.device && now.inode == e.inode);
}

void FinishStep(const CJournalEntry &e, CRecoveryReport &report)
{
    const auto run = [&](bool copy, bool replace) {
        report.steps.push_back({e.from, e.to, platform::MoveOrCopy(e.from, e.to, copy, replace)});
    };
    if (!HoldsFile(e.from, e))
        return;
    switch (e.kind) {
    case CJournalEntry::Move:
    case CJournalEntry::Copy:
        if (!platform::PathExists(e.to))
            run(e.kind == CJournalEntry::Copy, false);
        break;
    case CJournalEntry::Replace:
    case CJournalEntry::PutCopy:
        run(false, true);
        break;
    }
}

void TakeBackStep(const CJournalEntry &e, CRecoveryReport &report)
{
    switch (e.kind) {
    case CJournalEntry::Move:
    case CJournalEntry::Replace:
        if (HoldsFile(e.to, e) && !platform::PathExists(e.from))
            report.steps.push_back({e.to, e.from, platform::MoveOrCopy(e.to, e.from, false, false)});
        break;
    case CJournalEntry::Copy:
        // The source stayed where it was: the copy just goes.
        if (platform::PathExists(e.to) && platform::PathExists(e.from))
            report.steps.push_back({e.to, {}, platform::DeleteFile(e.to)});
        break;
    case CJournalEntry::PutCopy:
        // A replaced file cannot come back; a copy still waiting goes.
        if (platform::PathExists(e.from))
            report.steps.push_back({e.from, {}, platform::DeleteFile(e.from)});
        break;
    }
}

} // namespace

CRecoveryReport RecoverJournal(const std::string &journalPath, RecoveryTarget target)
{
    CRecoveryReport report;
    const int fd = open(journalPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return report;
    std::vector<CJournalEntry> entries;
    // A journal whose run still goes on is left to that run.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !ReadJournal(journalPath, entries)) {
        close(fd);
        return report;
    }
    report.readable = true;
    // Like a run, a recovery works alone in its folders.
    std::vector<std::string> folders;
    for (const CJournalEntry &e : entries) {
        folders.push_back(platform::SplitPath(e.from).directory);
        folders.push_back(platform::SplitPath(e.to).directory);
    }
    CDirectoryLocks locks;
    std::string busy;
    if (locks.Take(folders, std::chrono::seconds(3), busy) != 0) {
        report.busyFolder = busy;
        close(fd);
        return report;
    }
    if (target == RecoveryTarget::NewName) {
        for (const CJournalEntry &e : entries)
            FinishStep(e, report);
    } else {
        for (auto e = entries.rbegin(); e != entries.rend(); ++e)
            TakeBackStep(*e, report);
    }
    // A copy cut short by the end of the run is of no use to anyone; the
    // folders are locked, so no copy is under way in them.
    std::vector<std::string> targets;
    for (const CJournalEntry &e : entries)
        targets.push_back(platform::SplitPath(e.to).directory);
    std::sort(targets.begin(), targets.end());
    targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
    for (const std::string &folder : targets)
        platform::RemovePartialCopies(folder);
    // A temporary name (the target of a copy or of the step that starts a
    // cycle) still on disk means the journal is still needed.
    bool allPlaced = true;
    for (const CJournalEntry &e : entries) {
        const std::string &temporary = e.kind == CJournalEntry::PutCopy ? e.from : e.to;
        if ((e.kind != CJournalEntry::PutCopy && !TemporaryNameLike(temporary)) ||
            !platform::PathExists(temporary))
            continue;
        allPlaced = false;
        if (std::none_of(report.steps.begin(), report.steps.end(),
                         [&](const CRecoveryStep &s) { return s.from == temporary && s.code != 0; }))
            report.steps.push_back({temporary, {}, platform::kErrorTargetExists});
    }
    if (allPlaced)
        report.journalRemoved = unlink(journalPath.c_str()) == 0;
    close(fd);
    return report;
}

} // namespace exec
