#include "platform/DirectoryWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                   IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

DirectoryWatch::DirectoryWatch() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

DirectoryWatch::~DirectoryWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

int DirectoryWatch::Watch(const std::string &directory)
{
    Stop();
    if (m_fd < 0)
        return ENOSYS;
    m_watch = inotify_add_watch(m_fd, directory.c_str(), kChanges);
    return m_watch < 0 ? errno : 0;
}

void DirectoryWatch::Stop()
{
    if (m_watch >= 0)
        inotify_rm_watch(m_fd, m_watch);
    m_watch = -1;
}

bool DirectoryWatch::TakeEvents()
{
    if (m_fd < 0)
        return false;
    bool changed = false;
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t got = read(m_fd, buffer, sizeof buffer);
        if (got <= 0)
            return changed;
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.wd == m_watch && m_watch >= 0)
                changed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
}

} // namespace platform
