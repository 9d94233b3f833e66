#include "exec/Journal.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace exec {

namespace {

const std::string kHeader = "KESTREL-JOURNAL 1\n";
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

bool ParseJournal(const std::string &text, std::vector<CJournalEntry> &entries)
{
    if (text.compare(0, kHeader.size(), kHeader) != 0)
        return false;
    std::size_t pos = kHeader.size();
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false; // cut short while it was written: not a journal of a run that moved anything
        const std::string_view line(text.data() + pos, end - pos);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            return false;
        CJournalEntry entry;
        if (!Decode(line.substr(0, tab1), entry.oldPath) ||
            !Decode(line.substr(tab1 + 1, tab2 - tab1 - 1), entry.tempPath) ||
            !Decode(line.substr(tab2 + 1), entry.newPath))
            return false;
        entries.push_back(std::move(entry));
        pos = end + 1;
    }
    return true;
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

int CRunJournal::Write(const std::vector<CRenameRecord> &records)
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

    std::string text = kHeader;
    for (const CRenameRecord &r : records) {
        Encode(r.oldPath, text);
        text += '\t';
        Encode(r.tempPath, text);
        text += '\t';
        Encode(r.newPath, text);
        text += '\n';
    }
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
    bool allPlaced = true;
    for (const CJournalEntry &e : entries) {
        if (e.tempPath.empty() || !platform::PathExists(e.tempPath))
            continue;
        const bool toNew = target == RecoveryTarget::NewName;
        CRecoveryStep step{e.tempPath, toNew ? e.newPath : e.oldPath, 0};
        step.code = platform::MoveOrCopy(step.from, step.to, false, false);
        if (step.code == platform::kErrorTargetExists) {
            // The preferred name is taken (by another file of the run); the other one may be free.
            const std::string other = toNew ? e.oldPath : e.newPath;
            if (platform::MoveOrCopy(step.from, other, false, false) == 0) {
                step.to = other;
                step.code = 0;
            }
        }
        allPlaced = allPlaced && step.code == 0;
        report.steps.push_back(std::move(step));
    }
    if (allPlaced)
        report.journalRemoved = unlink(journalPath.c_str()) == 0;
    close(fd);
    return report;
}

} // namespace exec
