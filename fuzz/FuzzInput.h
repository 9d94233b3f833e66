#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

// The bytes a fuzzer hands to a harness, and their split into two texts at
// the first NUL (the second is empty when there is none).
inline std::string_view FuzzText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

inline std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, nul), text.substr(nul + 1)};
}
