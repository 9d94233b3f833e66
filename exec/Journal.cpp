#include "exec/Journal.h"

#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
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
        return ParseLines(text, kHeader.size(), 3, [&](const std::vector<std::string> &f) {
            if (f[0].size() != 1 || (f[0][0] != CJournalEntry::Move && f[0][0] != CJournalEntry::Copy &&
                                     f[0][0] != CJournalEntry::Replace))
                return false;
            entries.push_back({static_cast<CJournalEntry::Kind>(f[0][0]), f[1], f[2]});
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

void AppendEntry(std::string &text, char kind, const std::string &from, const std::string &to)
{
    text += kind;
    text += '\t';
    Encode(from, text);
    text += '\t';
    Encode(to, text);
    text += '\n';
}

// The steps a killed run may have left half done: in a move, the cycles
// (they come after every chain); in a copy, the copies to temporary names and
// their moves into place.
std::string JournalText(const CRunPlan &plan)
{
    std::string text = kHeader;
    bool inCycles = false;
    for (const CPlanStep &step : plan.steps) {
        const CRenameRecord &r = plan.records[step.record];
        switch (step.kind) {
        case StepKind::ToTemp:
            inCycles = true;
            AppendEntry(text, plan.copy ? CJournalEntry::Copy : CJournalEntry::Move, r.oldPath, r.tempPath);
            break;
        case StepKind::FromTemp:
            AppendEntry(text, plan.copy ? CJournalEntry::Replace : CJournalEntry::Move, r.tempPath,
                        r.newPath);
            break;
        case StepKind::Direct:
            if (inCycles && !plan.copy)
                AppendEntry(text, CJournalEntry::Move, r.oldPath, r.newPath);
            break;
        }
    }
    return text;
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
    m_path = platform::JoinPath(directory, name);
    m_fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return errno;
    // The lock tells a recovery in another instance that this run is still going.
    flock(m_fd, LOCK_EX);

    const std::string text = JournalText(plan);
    int error = platform::WriteAll(m_fd, text);
    if (!error && fsync(m_fd) != 0)
        error = errno;
    if (!error)
        error = platform::SyncDirectory(directory);
    if (error)
        Remove();
    return error;
}

std::vector<std::string> FindLeftoverJournals()
{
    std::vector<std::string> journals;
    const std::string directory = JournalDirectory();
    DIR *dir = opendir(directory.c_str());
    if (!dir)
        return journals;
    while (const dirent *item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name.size() <= kSuffix.size() ||
            name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix))
            continue;
        const std::string path = platform::JoinPath(directory, name);
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            journals.push_back(path);
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
    const auto run = [&](const std::string &from, const std::string &to, bool copy, bool replace) {
        CRecoveryStep step{from, to, platform::MoveOrCopy(from, to, copy, replace)};
        report.steps.push_back(std::move(step));
    };
    if (target == RecoveryTarget::NewName) {
        for (const CJournalEntry &e : entries) {
            if (!platform::PathExists(e.from))
                continue;
            if (e.kind == CJournalEntry::Replace)
                run(e.from, e.to, false, true);
            else if (!platform::PathExists(e.to))
                run(e.from, e.to, e.kind == CJournalEntry::Copy, false);
        }
    } else {
        for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
            if (!platform::PathExists(e->to))
                continue;
            if (e->kind == CJournalEntry::Copy) {
                report.steps.push_back({e->to, {}, platform::DeleteFile(e->to)});
            } else if (e->kind == CJournalEntry::Move && !platform::PathExists(e->from)) {
                run(e->to, e->from, false, false);
            }
        }
    }
    // A temporary name (the target of a copy or of the step that starts a
    // cycle) still on disk means the journal is still needed.
    std::vector<std::string> temporary;
    for (const CJournalEntry &e : entries)
        if (e.kind == CJournalEntry::Copy || TemporaryNameLike(e.to))
            temporary.push_back(e.to);
    bool allPlaced = true;
    for (const std::string &path : temporary) {
        if (!platform::PathExists(path))
            continue;
        allPlaced = false;
        if (std::none_of(report.steps.begin(), report.steps.end(),
                         [&](const CRecoveryStep &s) { return s.from == path && s.code != 0; }))
            report.steps.push_back({path, {}, platform::kErrorTargetExists});
    }
    if (allPlaced)
        report.journalRemoved = unlink(journalPath.c_str()) == 0;
    close(fd);
    return report;
}

} // namespace exec
