#include "engine/Counter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace engine {

std::string FormatCounter(int index, int step, int start, int width)
{
    const std::int64_t exact = std::int64_t{index} * step + start;
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    const std::size_t wanted = static_cast<std::size_t>(std::clamp(width, 0, kMaxCounterWidth));
    if (text.size() >= wanted)
        return std::string(text);
    std::string out;
    out.reserve(wanted);
    std::string_view magnitude = text;
    if (value < 0) {
        out.push_back('-');
        magnitude.remove_prefix(1);
    }
    out.append(wanted - text.size(), '0');
    out.append(magnitude);
    return out;
}

} // namespace engine
