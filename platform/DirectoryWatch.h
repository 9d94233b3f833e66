#pragma once

#include <string>

namespace platform {

// Tells when the entries of one directory change (made, removed, renamed,
// written to, their attributes changed) or the directory itself goes away,
// through inotify. The directory is watched by its path's bytes, so any name
// works. One directory at a time; not thread-safe.
class DirectoryWatch {
public:
    DirectoryWatch();
    ~DirectoryWatch();
    DirectoryWatch(const DirectoryWatch &) = delete;
    DirectoryWatch &operator=(const DirectoryWatch &) = delete;

    // Readable while changes wait to be taken; -1 when inotify is not there.
    int Fd() const { return m_fd; }
    // Watches `directory` instead of the one before. 0 or the errno value
    // (nothing is watched then).
    int Watch(const std::string &directory);
    void Stop();
    // Reads the waiting events without blocking; true when any of them was
    // about the directory watched now (not one watched before).
    bool TakeEvents();

private:
    int m_fd = -1;
    int m_watch = -1;
};

} // namespace platform
