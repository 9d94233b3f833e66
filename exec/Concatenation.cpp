#include "exec/Concatenation.h"

#include "engine/RenameSettings.h"
#include "exec/RenameExecution.h"
#include "exec/ReportingFile.h"
#include "exec/TextFill.h"
#include "model/FileEntry.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "platform/Paths.h"
#include "platform/Trash.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

namespace {

const char *const kCaption = "ファイル連結";
constexpr std::size_t kBlockSize = 1 << 16;

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

    bool Create()
    {
        m_temp = platform::JoinPath(platform::SplitPath(m_output).directory, ".kestrel-concat-XXXXXX");
        m_fd = mkostemp(m_temp.data(), O_CLOEXEC);
        if (m_fd < 0)
            m_temp.clear();
        return m_fd >= 0;
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

    std::string &buffer() { return m_buffer; }

    void Flush()
    {
        if (!m_error)
            m_error = platform::WriteAll(m_fd, m_buffer);
        m_buffer.clear();
    }

    // Writes out the rest and renames the temporary file over the output.
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
        if (close(m_fd) != 0 && !m_error)
            m_error = errno;
        m_fd = -1;
        if (m_error || rename(m_temp.c_str(), m_output.c_str()) != 0)
            return false;
        m_temp.clear();
        return true;
    }

private:
    std::string m_output;
    std::string m_temp;
    std::string m_buffer;
    int m_fd = -1;
    int m_error = 0;
};

// Sources that went into the output move to the trash after a Yes; the output
// itself is never one of them, even when it was also a source.
std::vector<std::string> TrashSources(const std::vector<const CFileEntry *> &written,
                                      const std::string &output)
{
    std::vector<std::string> failed;
    for (const CFileEntry *entry : written) {
        if (platform::IsSameFile(entry->fullPath, output))
            continue;
        if (platform::MoveToTrash(entry->fullPath) != 0)
            failed.push_back(entry->fullPath);
    }
    return failed;
}

} // namespace

CConcatenationOutcome ConcatenateFiles(const std::vector<CFileEntry> &candidates,
                                       const CRenameSettings &settings, CResultLog &log, IExecutionHost &host)
{
    CConcatenationOutcome outcome;
    const std::string &output = settings.OutputFile;
    if (!EnsureOutputDirectory(platform::SplitPath(output).directory, kCaption, host))
        return outcome;
    COutputAssembly assembly(output);
    if (!assembly.Create()) {
        host.ShowMessage(kCaption, "テンポラリファイルの作成に失敗しました!!", MessageIcon::Exclamation);
        return outcome;
    }
    if (settings.IsAppend && platform::PathExists(output)) {
        CReportingFile old;
        if (!old.OpenForReading(output, kCaption, host))
            return outcome;
        assembly.CopyFrom(old.fd());
    }

    const std::size_t firstRow = log.rows().size();
    const platform::TimeValue now = platform::CurrentTime();
    CChunkConverter converter(settings.RetMode, settings.EofMode);
    std::vector<const CFileEntry *> written;
    bool separatorWritten = false;
    for (const CFileEntry &entry : candidates) {
        if (entry.isDummy)
            continue;
        struct stat st;
        const int fd = open(entry.fullPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            if (fd >= 0)
                close(fd);
            log.AddResult(entry.fullPath, 0);
            continue;
        }
        if (settings.SepaMode == 2 || (settings.SepaMode == 1 && !separatorWritten)) {
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
        close(fd);
        log.AddResult(entry.fullPath, n == 0 ? 1 : 0);
        if (n == 0)
            written.push_back(&entry);
    }
    if (settings.EofMode == 1)
        assembly.Write("\x1A");

    if (!assembly.Commit()) {
        // Nothing reached the output, so no source counts as concatenated.
        for (std::size_t i = firstRow; i < log.rows().size(); ++i)
            log.rows()[i].code = 0;
        host.ShowMessage("ファイル連結（エラー）", FillText("[%s] への出力に失敗しました!!", {output}),
                         MessageIcon::Exclamation);
        return outcome;
    }
    outcome.written = true;
    platform::SetFileTimes(output, platform::CurrentTime());
    if (settings.IsDelete &&
        host.Ask(QuestionKind::DeleteSources, kCaption, "選択ファイルを削除しますか？")) {
        outcome.failedDeletes = TrashSources(written, output);
        if (!outcome.failedDeletes.empty()) {
            std::string text = "次のファイルをごみ箱へ移動できませんでした。\n";
            for (const std::string &path : outcome.failedDeletes)
                text += "\n" + path;
            host.ShowMessage(kCaption, text, MessageIcon::Exclamation);
        }
    }
    return outcome;
}

} // namespace exec
