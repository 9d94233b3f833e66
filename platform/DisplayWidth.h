#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The number of columns text takes in a fixed-pitch listing: two for a wide
// or full-width character (CJK ideographs, kana, Hangul, full-width forms),
// none for a combining mark, one for every other character and for every
// byte that is not valid UTF-8. It matches the bytes a name takes in the
// double-byte Japanese encodings, where the full-width characters were two
// bytes and ASCII and half-width katakana one.
std::size_t DisplayColumns(std::string_view text);

} // namespace platform
