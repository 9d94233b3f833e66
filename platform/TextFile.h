#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text files that the program reads: UTF-8, or CP932 (Shift-JIS) when the
// bytes are not valid UTF-8.
namespace platform {

bool IsValidUtf8(std::string_view bytes);

// The text as UTF-8: valid UTF-8 as it is (without a leading byte-order mark),
// otherwise decoded from CP932; bytes that are neither are kept unchanged.
std::string DecodeText(std::string_view bytes);

// The first bytes of a regular file, read without blocking on a pipe or a
// device.
struct FilePrefix {
    std::string bytes; // at most the bytes asked for
    bool more = false; // the file holds further bytes
};
// Nothing, with the errno value in *error, for a file that cannot be opened or
// read (ENOENT when it vanished) and for anything but a regular file (EISDIR
// for a directory, EINVAL for the rest).
std::optional<FilePrefix> ReadFilePrefix(const std::string &path, std::size_t maxBytes, int *error = nullptr);

// The decoded text of a regular file of at most maxBytes bytes. Nothing, with
// the errno value in *error as ReadFilePrefix gives it (EFBIG for a larger
// file), for everything else.
std::optional<std::string> ReadTextFile(const std::string &path, std::size_t maxBytes, int *error = nullptr);

} // namespace platform
