// Preloaded (LD_PRELOAD) into a program under test, this library makes the
// k-th file-system call of one kind fail, kills the program just before it,
// or carries it out and still reports a failure (as a retransmitted network
// call can). The environment says which:
//
//   KESTREL_FAULT_CALL    rename, link, unlink, open, write, fsync, getdelim, mkdir or copy
//   KESTREL_FAULT_AT      k, counted from 1 over the calls of that kind
//   KESTREL_FAULT_MODE    fail (default): -1 and errno, the call not made
//                         kill: SIGKILL just before the call
//                         after: the call made, then -1 and errno
//   KESTREL_FAULT_ERRNO   EIO (default), a name such as ENOSPC, or a number
//   KESTREL_FAULT_COUNT_FILE     at exit, one line "kind count" per kind
//   KESTREL_FAULT_NO_NOREPLACE=1 renameat2 with RENAME_NOREPLACE fails with
//                                EINVAL, as on NFS (not counted as a call)
//
// Calls go on to the next definition (dlsym RTLD_NEXT). Counting starts when
// the library is loaded; calls that the C library makes inside itself are not
// seen, so the counts of one run depend only on what the program does.
#undef _FORTIFY_SOURCE

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

enum Kind { kRename, kLink, kUnlink, kOpen, kWrite, kFsync, kGetdelim, kMkdir, kCopy, kKindCount };
const char *const kKindNames[kKindCount] = {"rename", "link",     "unlink", "open", "write",
                                            "fsync",  "getdelim", "mkdir",  "copy"};

enum class Mode { Fail, Kill, After };

struct Settings {
    int kind = -1;
    long at = 0;
    Mode mode = Mode::Fail;
    int error = EIO;
    bool noNoReplace = false;
    const char *countFile = nullptr;
};

Settings g_settings;
std::atomic<bool> g_counting{false};
std::atomic<long> g_counts[kKindCount];

template <typename Function> Function Next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int ParseErrno(const char *text)
{
    static const struct {
        const char *name;
        int value;
    } kNames[] = {{"EIO", EIO},         {"ENOSPC", ENOSPC}, {"EACCES", EACCES}, {"EPERM", EPERM},
                  {"EEXIST", EEXIST},   {"ENOENT", ENOENT}, {"EINVAL", EINVAL}, {"EROFS", EROFS},
                  {"EDQUOT", EDQUOT},   {"EXDEV", EXDEV},   {"EBUSY", EBUSY},   {"EINTR", EINTR},
                  {"ESTALE", ESTALE},   {"ENOMEM", ENOMEM}, {"EAGAIN", EAGAIN}, {"ETIMEDOUT", ETIMEDOUT},
                  {"ENOTDIR", ENOTDIR}, {"EISDIR", EISDIR}, {"EMFILE", EMFILE}, {"EFBIG", EFBIG}};
    if (!text || !*text)
        return EIO;
    for (const auto &entry : kNames)
        if (std::strcmp(text, entry.name) == 0)
            return entry.value;
    const int value = std::atoi(text);
    return value > 0 ? value : EIO;
}

__attribute__((constructor)) void Start()
{
    Settings s;
    if (const char *call = std::getenv("KESTREL_FAULT_CALL"))
        for (int k = 0; k < kKindCount; ++k)
            if (std::strcmp(call, kKindNames[k]) == 0)
                s.kind = k;
    if (const char *at = std::getenv("KESTREL_FAULT_AT"))
        s.at = std::atol(at);
    if (const char *mode = std::getenv("KESTREL_FAULT_MODE"))
        s.mode = std::strcmp(mode, "kill") == 0    ? Mode::Kill
                 : std::strcmp(mode, "after") == 0 ? Mode::After
                                                   : Mode::Fail;
    s.error = ParseErrno(std::getenv("KESTREL_FAULT_ERRNO"));
    const char *noNoReplace = std::getenv("KESTREL_FAULT_NO_NOREPLACE");
    s.noNoReplace = noNoReplace && std::strcmp(noNoReplace, "1") == 0;
    s.countFile = std::getenv("KESTREL_FAULT_COUNT_FILE");
    g_settings = s;
    g_counting = true;
}

__attribute__((destructor)) void Stop()
{
    g_counting = false;
    if (!g_settings.countFile)
        return;
    char text[512];
    std::size_t length = 0;
    for (int k = 0; k < kKindCount; ++k)
        length += static_cast<std::size_t>(std::snprintf(text + length, sizeof text - length, "%s %ld\n",
                                                         kKindNames[k], g_counts[k].load()));
    // Written past the counting, by the next definitions.
    static const auto nextOpen = Next<int (*)(const char *, int, ...)>("open");
    static const auto nextWrite = Next<ssize_t (*)(int, const void *, size_t)>("write");
    const int fd = nextOpen(g_settings.countFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    // Counts cut short would mislead: none at all shows that something went wrong.
    const bool written = nextWrite(fd, text, length) == static_cast<ssize_t>(length);
    close(fd);
    if (!written)
        unlink(g_settings.countFile);
}

enum class Action { Pass, Fail, FailAfter };

// Counts the call and tells what to do with it; kills at the chosen call.
Action Decide(Kind kind)
{
    if (!g_counting)
        return Action::Pass;
    const long n = ++g_counts[kind];
    if (kind != g_settings.kind || n != g_settings.at)
        return Action::Pass;
    switch (g_settings.mode) {
    case Mode::Kill:
        raise(SIGKILL);
        return Action::Pass;
    case Mode::After:
        return Action::FailAfter;
    case Mode::Fail:
        break;
    }
    return Action::Fail;
}

// Makes the call unless it is to fail. A failure it reports first goes
// through onFailure with what the call gave (failed where it was not made),
// to undo what the caller will never see (a descriptor) or to leave what a
// real failure leaves (a stream's error flag).
template <typename Result, typename Call, typename OnFailure>
Result Intercept(Kind kind, Result failed, Call call, OnFailure onFailure)
{
    const Action action = Decide(kind);
    const Result result = action == Action::Fail ? failed : call();
    if (action == Action::Pass)
        return result;
    onFailure(result);
    errno = g_settings.error;
    return failed;
}

template <typename Result, typename Call> Result Intercept(Kind kind, Result failed, Call call)
{
    return Intercept(kind, failed, call, [](Result) {});
}

void CloseDescriptor(int fd)
{
    if (fd >= 0)
        close(fd);
}

void CloseStream(FILE *stream)
{
    if (stream)
        fclose(stream);
}

// What a read error leaves on a stream, so that ferror tells it from the end.
void MarkReadError(FILE *stream)
{
    stream->_flags |= _IO_ERR_SEEN;
}

bool TakesMode(int flags)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

mode_t ModeArgument(int flags, va_list arguments)
{
    return TakesMode(flags) ? va_arg(arguments, mode_t) : 0;
}

} // namespace

#define KESTREL_NEXT(name) static const auto next = Next<decltype(&::name)>(#name)

extern "C" {

// rename

int rename(const char *from, const char *to) noexcept
{
    KESTREL_NEXT(rename);
    return Intercept(kRename, -1, [&] { return next(from, to); });
}

int renameat(int fromDirectory, const char *from, int toDirectory, const char *to) noexcept
{
    KESTREL_NEXT(renameat);
    return Intercept(kRename, -1, [&] { return next(fromDirectory, from, toDirectory, to); });
}

int renameat2(int fromDirectory, const char *from, int toDirectory, const char *to, unsigned flags) noexcept
{
    KESTREL_NEXT(renameat2);
    if (g_settings.noNoReplace && (flags & RENAME_NOREPLACE)) {
        errno = EINVAL;
        return -1;
    }
    return Intercept(kRename, -1, [&] { return next(fromDirectory, from, toDirectory, to, flags); });
}

// link

int link(const char *from, const char *to) noexcept
{
    KESTREL_NEXT(link);
    return Intercept(kLink, -1, [&] { return next(from, to); });
}

int linkat(int fromDirectory, const char *from, int toDirectory, const char *to, int flags) noexcept
{
    KESTREL_NEXT(linkat);
    return Intercept(kLink, -1, [&] { return next(fromDirectory, from, toDirectory, to, flags); });
}

// unlink

int unlink(const char *path) noexcept
{
    KESTREL_NEXT(unlink);
    return Intercept(kUnlink, -1, [&] { return next(path); });
}

int unlinkat(int directory, const char *path, int flags) noexcept
{
    KESTREL_NEXT(unlinkat);
    return Intercept(kUnlink, -1, [&] { return next(directory, path, flags); });
}

int remove(const char *path) noexcept
{
    KESTREL_NEXT(remove);
    return Intercept(kUnlink, -1, [&] { return next(path); });
}

// open: each call under its name and its 64 name (the same call on a 64-bit
// system, reached by either name); the fortified forms without a mode too.

#define KESTREL_OPEN(name)                                                                                   \
    int name(const char *path, int flags, ...)                                                               \
    {                                                                                                        \
        KESTREL_NEXT(name);                                                                                  \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = ModeArgument(flags, arguments);                                                  \
        va_end(arguments);                                                                                   \
        return Intercept(                                                                                    \
            kOpen, -1, [&] { return next(path, flags, mode); }, CloseDescriptor);                            \
    }
#define KESTREL_OPENAT(name)                                                                                 \
    int name(int directory, const char *path, int flags, ...)                                                \
    {                                                                                                        \
        KESTREL_NEXT(name);                                                                                  \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = ModeArgument(flags, arguments);                                                  \
        va_end(arguments);                                                                                   \
        return Intercept(                                                                                    \
            kOpen, -1, [&] { return next(directory, path, flags, mode); }, CloseDescriptor);                 \
    }
#define KESTREL_OPEN_2(name)                                                                                 \
    int name(const char *path, int flags)                                                                    \
    {                                                                                                        \
        static const auto next = Next<int (*)(const char *, int)>(#name);                                    \
        return Intercept(                                                                                    \
            kOpen, -1, [&] { return next(path, flags); }, CloseDescriptor);                                  \
    }
#define KESTREL_OPENAT_2(name)                                                                               \
    int name(int directory, const char *path, int flags)                                                     \
    {                                                                                                        \
        static const auto next = Next<int (*)(int, const char *, int)>(#name);                               \
        return Intercept(                                                                                    \
            kOpen, -1, [&] { return next(directory, path, flags); }, CloseDescriptor);                       \
    }
#define KESTREL_CREAT(name)                                                                                  \
    int name(const char *path, mode_t mode)                                                                  \
    {                                                                                                        \
        KESTREL_NEXT(name);                                                                                  \
        return Intercept(                                                                                    \
            kOpen, -1, [&] { return next(path, mode); }, CloseDescriptor);                                   \
    }
#define KESTREL_FOPEN(name)                                                                                  \
    FILE *name(const char *path, const char *mode)                                                           \
    {                                                                                                        \
        KESTREL_NEXT(name);                                                                                  \
        return Intercept(                                                                                    \
            kOpen, static_cast<FILE *>(nullptr), [&] { return next(path, mode); }, CloseStream);             \
    }

KESTREL_OPEN(open)
KESTREL_OPEN(open64)
KESTREL_OPENAT(openat)
KESTREL_OPENAT(openat64)
KESTREL_OPEN_2(__open_2)
KESTREL_OPEN_2(__open64_2)
KESTREL_OPENAT_2(__openat_2)
KESTREL_OPENAT_2(__openat64_2)
KESTREL_CREAT(creat)
KESTREL_CREAT(creat64)
KESTREL_FOPEN(fopen)
KESTREL_FOPEN(fopen64)

// A temporary file that is reported as not made stays on disk under a name
// the program never learns, as after a retransmitted exclusive create.
int mkstemp(char *pattern)
{
    KESTREL_NEXT(mkstemp);
    return Intercept(
        kOpen, -1, [&] { return next(pattern); }, CloseDescriptor);
}

int mkostemp(char *pattern, int flags)
{
    KESTREL_NEXT(mkostemp);
    return Intercept(
        kOpen, -1, [&] { return next(pattern, flags); }, CloseDescriptor);
}

// write

ssize_t write(int fd, const void *data, size_t size)
{
    KESTREL_NEXT(write);
    return Intercept(kWrite, ssize_t(-1), [&] { return next(fd, data, size); });
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    KESTREL_NEXT(writev);
    return Intercept(kWrite, ssize_t(-1), [&] { return next(fd, parts, count); });
}

ssize_t pwrite(int fd, const void *data, size_t size, off_t offset)
{
    KESTREL_NEXT(pwrite);
    return Intercept(kWrite, ssize_t(-1), [&] { return next(fd, data, size, offset); });
}

ssize_t pwrite64(int fd, const void *data, size_t size, off64_t offset)
{
    KESTREL_NEXT(pwrite64);
    return Intercept(kWrite, ssize_t(-1), [&] { return next(fd, data, size, offset); });
}

// fsync

int fsync(int fd)
{
    KESTREL_NEXT(fsync);
    return Intercept(kFsync, -1, [&] { return next(fd); });
}

int fdatasync(int fd)
{
    KESTREL_NEXT(fdatasync);
    return Intercept(kFsync, -1, [&] { return next(fd); });
}

// getdelim

ssize_t getdelim(char **line, size_t *capacity, int delimiter, FILE *stream)
{
    KESTREL_NEXT(getdelim);
    return Intercept(
        kGetdelim, ssize_t(-1), [&] { return next(line, capacity, delimiter, stream); },
        [&](ssize_t) { MarkReadError(stream); });
}

ssize_t getline(char **line, size_t *capacity, FILE *stream)
{
    KESTREL_NEXT(getline);
    return Intercept(
        kGetdelim, ssize_t(-1), [&] { return next(line, capacity, stream); },
        [&](ssize_t) { MarkReadError(stream); });
}

// mkdir

int mkdir(const char *path, mode_t mode) noexcept
{
    KESTREL_NEXT(mkdir);
    return Intercept(kMkdir, -1, [&] { return next(path, mode); });
}

int mkdirat(int directory, const char *path, mode_t mode) noexcept
{
    KESTREL_NEXT(mkdirat);
    return Intercept(kMkdir, -1, [&] { return next(directory, path, mode); });
}

// copy

ssize_t copy_file_range(int in, off64_t *inOffset, int out, off64_t *outOffset, size_t size, unsigned flags)
{
    KESTREL_NEXT(copy_file_range);
    return Intercept(kCopy, ssize_t(-1), [&] { return next(in, inOffset, out, outOffset, size, flags); });
}

// Only the block-sharing clone counts; every other request passes.
int ioctl(int fd, unsigned long request, ...) noexcept
{
    static const auto next = Next<int (*)(int, unsigned long, void *)>("ioctl");
    va_list arguments;
    va_start(arguments, request);
    void *argument = va_arg(arguments, void *);
    va_end(arguments);
    if (request != FICLONE)
        return next(fd, request, argument);
    return Intercept(kCopy, -1, [&] { return next(fd, request, argument); });
}

} // extern "C"
