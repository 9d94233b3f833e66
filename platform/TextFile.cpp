#include "platform/TextFile.h"

#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> DecodeCp932(std::string_view bytes)
{
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // A one-byte kana becomes three bytes of UTF-8: the output needs at most
    // three times the input.
    std::string out(bytes.size() * 3, '\0');
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char *outPos = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &outPos, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    char32_t ignored = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = DecodeChar(bytes, pos, ignored);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string DecodeText(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark))
            bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    if (auto decoded = DecodeCp932(bytes))
        return std::move(*decoded);
    return std::string(bytes);
}

std::optional<FilePrefix> ReadFilePrefix(const std::string &path, std::size_t maxBytes, int *error)
{
    const auto fail = [error](int code) -> std::optional<FilePrefix> {
        if (error)
            *error = code;
        return std::nullopt;
    };
    // Non-blocking open: a named pipe must not stall the caller.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return fail(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode))
        return fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    FilePrefix prefix;
    prefix.bytes.reserve(std::min(maxBytes, static_cast<std::size_t>(info.st_size)));
    // One byte past the limit tells whether more follows; the file may grow
    // while it is read, so its size alone does not.
    char buffer[65536];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes + 1 - prefix.bytes.size());
        const ssize_t n = ::read(file.get(), buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            break;
        prefix.bytes.append(buffer, static_cast<std::size_t>(n));
        if (prefix.bytes.size() > maxBytes) {
            prefix.bytes.resize(maxBytes);
            prefix.more = true;
            break;
        }
    }
    return prefix;
}

std::optional<std::string> ReadTextFile(const std::string &path, std::size_t maxBytes, int *error)
{
    const auto prefix = ReadFilePrefix(path, maxBytes, error);
    if (!prefix)
        return std::nullopt;
    if (prefix->more) {
        if (error)
            *error = EFBIG;
        return std::nullopt;
    }
    return DecodeText(prefix->bytes);
}

} // namespace platform
