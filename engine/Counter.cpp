#include "engine/Counter.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace engine {

void AppendCounter(std::string &out, int index, int step, int start, int width)
{
    const std::int64_t exact = std::int64_t{index} * step + start;
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
    // Written from the right into a buffer and appended at once: the digits,
    // the zeros that make up the width, the sign.
    char buffer[kMaxCounterWidth + 16];
    char *const end = std::end(buffer);
    char *first = end;
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    const std::ptrdiff_t sign = value < 0 ? 1 : 0;
    const std::ptrdiff_t wanted = std::clamp(width, 0, kMaxCounterWidth);
    while (end - first + sign < wanted)
        *--first = '0';
    if (value < 0)
        *--first = '-';
    out.append(first, static_cast<std::size_t>(end - first));
}

} // namespace engine
