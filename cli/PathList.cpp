#include "cli/PathList.h"

#include "cli/InputReadError.h"
#include "cli/UsageError.h"
#include "platform/FileOps.h"
#include "platform/Translation.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

bool IsListKind(mode_t mode)
{
    return S_ISREG(mode) || S_ISFIFO(mode);
}

std::string NotAListMessage(const std::string &source)
{
    return platform::Fill(
        platform::Tr("cli", "パスのリストは通常のファイルか名前付きパイプでなければなりません: %1"),
        {source});
}

std::string UnreadableFileMessage(const std::string &source, int code)
{
    return platform::Fill(platform::Tr("cli", "ファイルを読めません: %1: %2"),
                          {source, platform::ErrorMessage(code)});
}

// A named list is checked before it is opened, so that no device is ever
// opened, and again once open, in case the name was replaced meanwhile.
int OpenList(const std::string &source)
{
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0)
        throw UsageError(UnreadableFileMessage(source, errno));
    if (!IsListKind(info.st_mode))
        throw UsageError(NotAListMessage(source));
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw UsageError(UnreadableFileMessage(source, errno));
    if (::fstat(fd, &info) != 0 || !IsListKind(info.st_mode)) {
        ::close(fd);
        throw UsageError(NotAListMessage(source));
    }
    return fd;
}

} // namespace

PathList::PathList(const std::string &source, char delimiter)
    : m_source(source), m_delimiter(delimiter), m_buffer(kBlockBytes)
{
    if (source != "-") {
        m_fd = OpenList(source);
        m_close = true;
        return;
    }
    m_fd = STDIN_FILENO;
    struct stat info {};
    if (::fstat(m_fd, &info) == 0 && S_ISDIR(info.st_mode))
        throw UsageError(NotAListMessage("-"));
}

PathList::~PathList()
{
    if (m_close)
        ::close(m_fd);
}

std::size_t PathList::MostPaths() const
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > kMaxPathListBytes)
        return 0;
    std::vector<char> block(kBlockBytes);
    std::size_t paths = 0;
    char last = m_delimiter;
    for (off_t at = 0; paths < kMostCounted;) {
        const ssize_t n = ::pread(m_fd, block.data(), block.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return 0;
        if (n == 0)
            return paths + (last != m_delimiter ? 1 : 0);
        // A path ends where a delimiter follows something else (empty lines are skipped).
        for (ssize_t i = 0; i < n; ++i) {
            if (block[static_cast<std::size_t>(i)] == m_delimiter && last != m_delimiter)
                ++paths;
            last = block[static_cast<std::size_t>(i)];
        }
        at += n;
    }
    return kMostCounted;
}

bool PathList::Fill()
{
    if (m_ended)
        return false;
    ssize_t n;
    do
        n = ::read(m_fd, m_buffer.data(), m_buffer.size());
    while (n < 0 && errno == EINTR);
    if (n < 0)
        throw InputReadError(platform::Fill(platform::Tr("cli", "パスのリストを読めません: %1: %2"),
                                            {m_source, platform::ErrorMessage(errno)}));
    m_total += static_cast<std::uint64_t>(n);
    if (m_total > kMaxPathListBytes)
        throw UsageError(
            platform::Fill(platform::Tr("cli", "パスのリストが大きすぎます（上限 1 GiB）: %1"), {m_source}));
    m_begin = 0;
    m_end = static_cast<std::size_t>(n);
    m_ended = n == 0;
    return !m_ended;
}

bool PathList::Next(std::string &path)
{
    path.clear();
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            // A last path without a delimiter still counts.
            if (path.empty())
                return false;
            ++m_record;
            return true;
        }
        const char *begin = m_buffer.data() + m_begin;
        const char *end = m_buffer.data() + m_end;
        const char *stop = std::find(begin, end, m_delimiter);
        path.append(begin, stop);
        m_begin = static_cast<std::size_t>(stop - m_buffer.data());
        if (path.size() > kMaxListedPathBytes)
            throw UsageError(platform::Fill(
                platform::Tr("cli", "%1: %2 番目のパスが長すぎます（上限 %3 バイト）"),
                {m_source, std::to_string(m_record + 1), std::to_string(kMaxListedPathBytes)}));
        if (stop == end)
            continue;
        ++m_begin;
        ++m_record;
        if (!path.empty())
            return true;
    }
}

} // namespace cli
