#include "platform/DisplayWidth.h"

#include "platform/Text.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian Wide and Fullwidth characters (the blocks that hold them).
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2E80, 0x303E},   {0x3041, 0x33FF}, {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Combining marks and zero-width characters, which take no column of their own.
constexpr Range kZeroWidth[] = {
    {0x0300, 0x036F}, {0x200B, 0x200F}, {0x20D0, 0x20FF},
    {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

template <std::size_t N> bool InRanges(const Range (&ranges)[N], char32_t c)
{
    const Range *range = std::lower_bound(std::begin(ranges), std::end(ranges), c,
                                          [](const Range &r, char32_t v) { return r.last < v; });
    return range != std::end(ranges) && range->first <= c;
}

} // namespace

std::size_t DisplayColumns(std::string_view text)
{
    std::size_t columns = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeChar(text, pos, c);
        if (length == 0) {
            ++columns;
            ++pos;
            continue;
        }
        pos += length;
        if (c < 0x300)
            ++columns; // NOLINT(bugprone-branch-clone): narrow letters skip the table look-ups
        else if (InRanges(kWide, c))
            columns += 2;
        else if (!InRanges(kZeroWidth, c))
            ++columns;
    }
    return columns;
}

} // namespace platform
