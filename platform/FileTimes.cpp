#include "platform/FileTimes.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

int SetFileTimes(PathView path, TimeValue time)
{
    const struct timespec times[2] = {{static_cast<time_t>(time), 0}, {static_cast<time_t>(time), 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 ? 0 : errno;
}

} // namespace platform
