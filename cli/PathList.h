#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cli {

// The longest path a list may hold, and the most bytes a list may have.
inline constexpr std::size_t kMaxListedPathBytes = 4095;
inline constexpr std::uint64_t kMaxPathListBytes = std::uint64_t(1) << 30;

// The paths of --paths-from, one per line (or NUL-separated), read as they
// are needed. "-" reads standard input, anything but a folder; a named list
// must be a regular file or a named pipe. A list of the wrong kind, a path
// that is too long or a list that is too large throws UsageError; a read
// error throws InputReadError. Empty lines are skipped.
class PathList {
public:
    PathList(const std::string &source, char delimiter);
    ~PathList();
    PathList(const PathList &) = delete;
    PathList &operator=(const PathList &) = delete;

    // The next path; false after the last one.
    bool Next(std::string &path);
    // How many paths a list in a regular file holds, counted without moving
    // the list on, to make room for them at once: at most kMostCounted (a
    // longer list grows as it is read); 0 for a pipe.
    static constexpr std::size_t kMostCounted = std::size_t(1) << 23;
    std::size_t MostPaths() const;

private:
    bool Fill();

    std::string m_source;
    char m_delimiter;
    int m_fd = -1;
    bool m_close = false;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::uint64_t m_total = 0;
    std::size_t m_record = 0; // paths (empty ones too) read so far
    bool m_ended = false;
};

} // namespace cli
