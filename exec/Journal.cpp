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
const std::string kWritingSuffix = ".new";

// Paths are bytes: the few that would break the line format are written as %XX.
void Encode(const std::string &path, std::string &out)
{
    platform::AppendPercentEncoded(out, path, [](unsigned char c) {
        return c == '%' || c == '\t' || c == '\n' || c == '\r' || c == '\0';
    });
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
        const int high = platform::HexDigitValue(text[i + 1]), low = platform::HexDigitValue(text[i + 2]);
        if (high < 0 || low < 0)
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

// Splits the lines after header into tab-separated fields (as many as a line has).
bool ParseLines(const std::string &text, std::size_t pos,
                const std::function<bool(const std::vector<std::string> &)> &take)
{
    std::vector<std::string> fields;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false; // cut short while it was written: not a journal of a run that moved anything
        std::string_view line(text.data() + pos, end - pos);
        fields.clear();
        for (;;) {
            const std::size_t tab = line.find('\t');
            if (!Decode(line.substr(0, tab), fields.emplace_back()))
                return false;
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        if (!take(fields))
            return false;
        pos = end + 1;
    }
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
bool ParseStep(const std::vector<std::string> &f, bool withBirth, std::vector<CJournalEntry> &entries)
{
    static const std::string kKinds = "MRCPT";
    if (f.size() != (withBirth ? 6u : 5u) || f[0].size() != 1 || kKinds.find(f[0][0]) == std::string::npos)
        return false;
    static const std::string kNoBirth = "0";
    CJournalEntry entry;
    if (!ParseIdentity(f[3], f[4], withBirth ? f[5] : kNoBirth, entry.file))
        return false;
    entry.kind = static_cast<CJournalEntry::Kind>(f[0][0]);
    entry.from = f[1];
    entry.to = f[2];
    entries.push_back(std::move(entry));
    return true;
}

// A copy made during the run: "I", the name it was made for, its identity,
// size and modification time. It belongs to the step whose target is that name.
bool ParseCopy(const std::vector<std::string> &f, std::vector<CJournalEntry> &entries)
{
    platform::FileVersion made;
    if (f.size() != 7 || !ParseIdentity(f[2], f[3], f[4], made.identity) || !ParseNumber(f[5], made.size) ||
        !ParseNumber(f[6], made.modified))
        return false;
    for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
        if (e->to == f[1]) {
            e->made = made;
            return true;
        }
    }
    return false;
}

bool ParseJournal(const std::string &text, std::vector<CJournalEntry> &entries)
{
    const bool current = text.starts_with(kHeader);
    if (current || text.starts_with(kHeaderVersion2))
        return ParseLines(text, kHeader.size(), [&](const std::vector<std::string> &f) {
            if (current && !f.empty() && f[0] == "I")
                return ParseCopy(f, entries);
            return ParseStep(f, current, entries);
        });
    if (!text.starts_with(kHeaderVersion1))
        return false;
    // The first format's runs moved every record with a temporary name there
    // and every other one straight on, then the temporary names on.
    std::vector<CJournalEntry> later;
    const bool parsed = ParseLines(text, kHeaderVersion1.size(), [&](const std::vector<std::string> &f) {
        if (f.size() != 3)
            return false;
        if (f[1].empty()) {
            entries.push_back({CJournalEntry::Move, f[0], f[2], {}, {}});
        } else {
            entries.push_back({CJournalEntry::Move, f[0], f[1], {}, {}});
            later.push_back({CJournalEntry::Move, f[1], f[2], {}, {}});
        }
        return true;
    });
    entries.insert(entries.end(), later.begin(), later.end());
    return parsed;
}

void AppendIdentity(std::string &text, const platform::FileIdentity &identity)
{
    text += std::to_string(identity.valid ? identity.device : 0);
    text += '\t';
    text += std::to_string(identity.valid ? identity.inode : 0);
    text += '\t';
    text += std::to_string(identity.valid ? identity.birth : 0);
}

void AppendEntry(std::string &text, char kind, const std::string &from, const std::string &to,
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

int CRunJournal::RecordCopy(const std::string &to, const platform::FileVersion &copy)
{
    std::string line = "I\t";
    Encode(to, line);
    line += '\t';
    AppendIdentity(line, copy.identity);
    line += '\t';
    line += std::to_string(copy.size);
    line += '\t';
    line += std::to_string(copy.modified);
    line += '\n';
    return Append(line);
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

bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries, int *error)
{
    entries.clear();
    const int fd = open(journalPath.c_str(), O_RDONLY | O_CLOEXEC);
    std::string text;
    const bool read = fd >= 0 && ReadAll(fd, text);
    if (!read && error)
        *error = errno;
    if (fd >= 0)
        close(fd);
    return read && ParseJournal(text, entries);
}

CJournalSummary SummarizeJournal(const std::vector<CJournalEntry> &entries)
{
    CJournalSummary summary;
    if (!entries.empty())
        summary.folder = platform::SplitPath(entries.front().from).directory;
    for (const CJournalEntry &e : entries) {
        // A file that steps aside to a temporary name is one file in two steps.
        summary.files += !TemporaryNameLike(e.from);
        summary.copies = summary.copies || e.kind == CJournalEntry::Copy;
        summary.concatenation = summary.concatenation || e.kind == CJournalEntry::Output;
    }
    return summary;
}

} // namespace exec
