#include "engine/TitleEdits.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace engine {

namespace {

// Byte offsets at which the characters of s begin, with s.size() at the end.
std::vector<std::size_t> CharStarts(std::string_view s)
{
    std::vector<std::size_t> starts;
    starts.reserve(s.size() + 1);
    for (std::size_t pos = 0; pos < s.size(); pos += platform::CharLength(s, pos))
        starts.push_back(pos);
    starts.push_back(s.size());
    return starts;
}

// The characters [from, to) of a title split at starts; bounds outside
// 0..n are clamped, an empty or reversed range gives nothing.
class CharSlicer {
public:
    explicit CharSlicer(std::string_view title) : m_title(title), m_starts(CharStarts(title)) {}

    std::int64_t count() const { return static_cast<std::int64_t>(m_starts.size()) - 1; }

    std::string_view slice(std::int64_t from, std::int64_t to) const
    {
        from = std::clamp<std::int64_t>(from, 0, count());
        to = std::clamp<std::int64_t>(to, 0, count());
        if (from >= to)
            return {};
        const std::size_t begin = m_starts[static_cast<std::size_t>(from)];
        return m_title.substr(begin, m_starts[static_cast<std::size_t>(to)] - begin);
    }

private:
    std::string_view m_title;
    std::vector<std::size_t> m_starts;
};

std::string Concat(std::string_view a, std::string_view b, std::string_view c = {})
{
    std::string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

} // namespace

std::string ReplaceOccurrences(std::string_view title, std::string_view pattern, std::string_view replacement,
                               bool ignoreCase)
{
    // The key is searched, the title is copied. Upper-casing maps each
    // character to exactly one character, so the k-th character of the key
    // stands for the k-th character of the title even where byte lengths
    // differ.
    const std::string key = ignoreCase ? platform::ToUpper(title) : std::string(title);
    const std::string needle = ignoreCase ? platform::ToUpper(pattern) : std::string(pattern);
    // Character starts are only needed once something is found.
    std::vector<std::size_t> keyStarts;
    std::vector<std::size_t> titleStarts;
    const auto charIndexAt = [&](std::size_t offset) -> std::optional<std::size_t> {
        if (keyStarts.empty()) {
            keyStarts = CharStarts(key);
            titleStarts = CharStarts(title);
        }
        const auto it = std::lower_bound(keyStarts.begin(), keyStarts.end(), offset);
        if (it == keyStarts.end() || *it != offset)
            return std::nullopt;
        return static_cast<std::size_t>(it - keyStarts.begin());
    };

    std::string out;
    std::size_t copiedChars = 0; // characters of the title already handled
    std::size_t searchFrom = 0;
    while (!needle.empty()) {
        const std::size_t found = key.find(needle, searchFrom);
        if (found == std::string::npos)
            break;
        const auto first = charIndexAt(found);
        const auto last = charIndexAt(found + needle.size());
        if (!first || !last) {
            searchFrom = found + 1;
            continue;
        }
        out.append(title.substr(titleStarts[copiedChars], titleStarts[*first] - titleStarts[copiedChars]));
        out.append(replacement);
        copiedChars = *last;
        searchFrom = found + needle.size();
    }
    if (titleStarts.empty())
        return std::string(title);
    out.append(title.substr(titleStarts[copiedChars]));
    return out;
}

std::optional<std::string> ReplaceCharRange(std::string_view title, RangePosition where, int position,
                                            int width, std::string_view replacement)
{
    const CharSlicer t(title);
    const std::int64_t n = t.count();
    const std::int64_t w = width;
    std::int64_t k = 0; // the first replaced character
    switch (where) {
    case RangePosition::First:
        return n == 0 || n < w ? std::string(replacement) : Concat(replacement, t.slice(w, n));
    case RangePosition::Last:
        return n == 0 || n < w ? std::string(replacement) : Concat(t.slice(0, n - w), replacement);
    case RangePosition::FromFront:
        k = std::int64_t{position} - 1;
        break;
    case RangePosition::FromBack:
        k = std::max<std::int64_t>(n - position, 0);
        break;
    default:
        return std::nullopt;
    }
    if (n == 0)
        return std::string(replacement);
    const std::string_view head = k >= n ? t.slice(0, n - 1) : t.slice(0, k);
    const std::string_view tail = k + w <= n ? t.slice(k + w, n) : std::string_view();
    return Concat(head, replacement, tail);
}

std::optional<std::string> InsertChars(std::string_view title, InsertPosition where, int position,
                                       std::string_view text)
{
    const CharSlicer t(title);
    const std::int64_t n = t.count();
    std::int64_t k = 0; // the characters of the title before the text
    switch (where) {
    case InsertPosition::BeforeTitle:
        return Concat(text, title);
    case InsertPosition::AfterTitle:
        return Concat(title, text);
    case InsertPosition::FromFront:
        k = std::int64_t{position} - 1;
        break;
    case InsertPosition::FromBack:
        k = n - position + 1;
        break;
    default:
        return std::nullopt;
    }
    if (k <= 0)
        return Concat(text, title);
    if (k >= n)
        return Concat(title, text);
    return Concat(t.slice(0, k), text, t.slice(k, n));
}

} // namespace engine
