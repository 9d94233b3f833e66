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

// The decoded text of a regular file of at most maxBytes bytes; nothing for a
// directory, device or pipe, a file that cannot be read or a larger file.
std::optional<std::string> ReadTextFile(const std::string &path, std::size_t maxBytes);

} // namespace platform
