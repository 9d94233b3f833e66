#include "exec/Concatenation.h"

#include "engine/RenameSettings.h"
#include "exec/Captions.h"
#include "exec/Journal.h"
#include "exec/ReportingFile.h"
#include "exec/Run.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "platform/Trash.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr std::string_view kPartialPrefix = ".kestrel-concat-";

// A new partial output in directory, locked for as long as it is open: the
// lock tells a later run that someone is still writing it. Its name is in
// the journal before the file is made, so that a recovery can remove what a
// killed run left. A file that a removal of leftovers took away between its
// creation and its lock is made again. The descriptor, or -1 with errno set.
int CreateLockedPartial(const std::string &directory, const std::string &output, CRunJournal &journal,
                        std::string &path)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::string name = platform::RandomName(kPartialPrefix);
        if (name.empty()) {
            errno = EIO;
            return -1;
        }
        path = platform::JoinPath(directory, name);
        if (const int error = journal.WriteOutput(path, output)) {
            errno = error;
            return -1;
        }
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            const int error = errno;
            RemoveAbandonedConcatenations(directory); // a call that failed after making the file
            errno = error;
            return -1;
        }
        struct stat st;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        close(fd);
    }
    errno = EAGAIN;
    return -1;
}

// The output under construction: a temporary file beside the output that only
// takes the output's place once everything is written and on disk.
class COutputAssembly {
public:
    explicit COutputAssembly(const std::string &output) : m_output(output) {}
    ~COutputAssembly()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_temp.empty())
            unlink(m_temp.c_str());
    }

    // 0 or the errno value.
    int Create(CRunJournal &journal)
    {
        m_fd = CreateLockedPartial(platform::SplitPath(m_output).directory, m_output, journal, m_temp);
        if (m_fd >= 0)
            return 0;
        m_temp.clear();
        return errno;
    }

    // Appends everything that can be read from fd.
    void CopyFrom(int fd)
    {
        char block[kBlockSize];
        ssize_t n;
        while ((n = ReadBlock(fd, block)) > 0)
            Write(std::string_view(block, static_cast<std::size_t>(n)));
    }

    void Write(std::string_view bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= kBlockSize)
            Flush();
    }

    // A read error of a source spoils the output: errno is kept for the
    // source's row and taken as the output's error.
    ssize_t ReadBlock(int fd, char *block)
    {
        ssize_t n;
        do
            n = read(fd, block, kBlockSize);
        while (n < 0 && errno == EINTR);
        if (n < 0 && !m_error)
            m_error = errno;
        return n;
    }

    int error() const { return m_error; }

    std::string &buffer() { return m_buffer; }

    void Flush()
    {
        if (!m_error)
            m_error = platform::WriteAll(m_fd, m_buffer);
        m_buffer.clear();
    }

    // Writes out the rest and renames the temporary file over the output,
    // still holding its lock. False with error() set when it failed.
    bool Commit()
    {
        Flush();
        struct stat old;
        mode_t mode;
        if (stat(m_output.c_str(), &old) == 0) {
            mode = (old.st_mode & 07777) | S_IWUSR;
        } else {
            const mode_t mask = umask(0);
            umask(mask);
            mode = 0666 & ~mask;
        }
        if (!m_error && (fchmod(m_fd, mode) != 0 || fsync(m_fd) != 0))
            m_error = errno;
        if (!m_error && rename(m_temp.c_str(), m_output.c_str()) != 0)
            m_error = errno;
        if (!m_error)
            m_temp.clear();
        close(m_fd);
        m_fd = -1;
        return !m_error;
    }

private:
    std::string m_output;
    std::string m_temp;
    std::string m_buffer;
    int m_fd = -1;
    int m_error = 0;
};

// Sources that went into the output move to the trash after a Yes; the output
// itself is never one of them, even when it was also a source. A source that
// stays gets the reason on its row and goes to outcome.failedDeletes; one
// that went, to outcome.trashed.
void TrashSources(const std::vector<std::size_t> &writtenRows, const std::string &output, CResultLog &log,
                  CRunJournal &journal, CConcatenationOutcome &outcome)
{
    for (const std::size_t row : writtenRows) {
        CResultRow &result = log.rows()[row];
        if (platform::IsSameFile(result.itemPath, output))
            continue;
        CRenameRecord trashed;
        // Each move is journaled first: a run killed half-way through one is
        // finished or taken back by a recovery.
        const auto record = [&](const std::string &target, const platform::FileIdentity &file) {
            trashed.newPath = outcome.trashed.Store(target);
            trashed.placed.identity = trashed.source = file;
            return journal.RecordMove(result.itemPath, target, file);
        };
        if (const int code = platform::MoveToTrash(result.itemPath, record)) {
            result.reason =
                platform::Tr("exec", "ごみ箱へ移動できませんでした: ") + platform::ErrorMessage(code);
            outcome.failedDeletes.push_back(result.itemPath);
            continue;
        }
        trashed.oldPath = outcome.trashed.Store(result.itemPath);
        trashed.status = RenameStatus::Renamed;
        outcome.trashed.push_back(trashed);
    }
}

// The reason a source cannot be read, or 0 with fd open on it.
int OpenSource(const std::string &path, int &fd)
{
    fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    int error = fd < 0 || fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (error && fd >= 0) {
        close(fd);
        fd = -1;
    }
    return error;
}

} // namespace

int RemoveAbandonedConcatenations(const std::string &folder)
{
    std::vector<std::string> partial;
    platform::ListNames(folder, [&](std::string_view name) {
        if (name.size() == kPartialPrefix.size() + 6 && name.starts_with(kPartialPrefix))
            partial.emplace_back(name);
    });
    int removed = 0;
    for (const std::string &name : partial) {
        const std::string path = platform::JoinPath(folder, name);
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // Only a file nobody holds the lock of, and still the one at that name.
        struct stat opened, named;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino)
            removed += unlink(path.c_str()) == 0;
        close(fd);
    }
    return removed;
}

CConcatenationOutcome ConcatenateFiles(const std::vector<CFileEntry> &candidates,
                                       const CRenameSettings &settings, CResultLog &log, IExecutionHost &host)
{
    CConcatenationOutcome outcome;
    const std::string &output = settings.OutputFile;
    const std::string folder = platform::SplitPath(output).directory;
    if (!EnsureOutputDirectory(folder, ConcatenationCaption(), host))
        return outcome;
    RemoveAbandonedConcatenations(folder);
    // The journal outlives the assembly: it goes once the output is in place
    // or its temporary file removed.
    CRunJournal journal;
    COutputAssembly assembly(output);
    if (const int error = assembly.Create(journal)) {
        host.ShowMessage(ConcatenationCaption(),
                         platform::Tr("exec", "テンポラリファイルの作成に失敗しました!!") + "\n" +
                             platform::ErrorMessage(error),
                         MessageIcon::Exclamation);
        return outcome;
    }
    if (settings.IsAppend && platform::PathExists(output)) {
        CReportingFile old;
        if (!old.OpenForReading(output, ConcatenationCaption(), host))
            return outcome;
        assembly.CopyFrom(old.fd());
    }

    const std::size_t firstRow = log.rows().size();
    const platform::TimeValue now = platform::CurrentTime();
    CChunkConverter converter(settings.RetMode, settings.EofMode);
    std::vector<std::size_t> writtenRows;
    bool separatorWritten = false;
    for (const CFileEntry &entry : candidates) {
        if (entry.isDummy) {
            // A placeholder stands for no file: it fails like a source that is gone.
            log.AddResult(entry.fullPath, kResultFailed, platform::ErrorMessage(ENOENT));
            continue;
        }
        int fd;
        if (const int error = OpenSource(entry.fullPath, fd)) {
            log.AddResult(entry.fullPath, 0, platform::ErrorMessage(error));
            continue;
        }
        if (settings.SepaMode == SeparatorPlacement::EachFile ||
            (settings.SepaMode == SeparatorPlacement::First && !separatorWritten)) {
            assembly.Write(ExpandSeparator(settings, entry, now));
            separatorWritten = true;
        }
        converter.Reset();
        char block[kBlockSize];
        ssize_t n;
        while ((n = assembly.ReadBlock(fd, block)) > 0) {
            converter.ConvertChunk(block, static_cast<std::size_t>(n), assembly.buffer());
            if (assembly.buffer().size() >= kBlockSize)
                assembly.Flush();
        }
        const int readError = n < 0 ? errno : 0;
        close(fd);
        if (!readError)
            writtenRows.push_back(log.rows().size());
        log.AddResult(entry.fullPath, readError ? 0 : 1, readError ? platform::ErrorMessage(readError) : "");
    }
    if (settings.EofMode == EofMark::AtEnd)
        assembly.Write("\x1A");

    if (!assembly.Commit()) {
        // Nothing reached the output, so no source counts as concatenated.
        for (std::size_t i = firstRow; i < log.rows().size(); ++i)
            log.rows()[i].code = 0;
        host.ShowMessage(platform::Tr("exec", "ファイル連結（エラー）"),
                         platform::Fill(platform::Tr("exec", "[%1] への出力に失敗しました!!"), {output}) +
                             "\n" + platform::ErrorMessage(assembly.error()),
                         MessageIcon::Exclamation);
        return outcome;
    }
    outcome.written = true;
    platform::SetFileTimes(output, platform::CurrentTime());
    if (settings.IsDelete && host.Ask(QuestionKind::DeleteSources, ConcatenationCaption(),
                                      platform::Tr("exec", "選択ファイルを削除しますか？"))) {
        TrashSources(writtenRows, output, log, journal, outcome);
        if (!outcome.failedDeletes.empty()) {
            std::string text = platform::Tr("exec", "次のファイルをごみ箱へ移動できませんでした。") + "\n";
            for (const std::string &path : outcome.failedDeletes)
                text += "\n" + path;
            host.ShowMessage(ConcatenationCaption(), text, MessageIcon::Exclamation);
        }
    }
    return outcome;
}

} // namespace exec
