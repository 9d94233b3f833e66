#include "engine/TitleEdits.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
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

// The characters [from, to) of a title; bounds outside 0..n are clamped, an
// empty or reversed range gives nothing.
class CharSlicer {
public:
    // Where the characters begin is found in one pass and kept for the first
    // kKept of them, which covers every file name (at most 255 bytes); a
    // longer title is stepped through from there for each cut beyond.
    explicit CharSlicer(std::string_view title) : m_title(title)
    {
        for (std::size_t pos = 0; pos < title.size(); ++m_count) {
            if (m_count < kKept)
                m_starts[m_count] = pos;
            pos += static_cast<unsigned char>(title[pos]) < 0x80 ? 1 : platform::CharLength(title, pos);
        }
    }

    std::int64_t count() const { return static_cast<std::int64_t>(m_count); }

    std::string_view slice(std::int64_t from, std::int64_t to) const
    {
        from = std::clamp<std::int64_t>(from, 0, count());
        to = std::clamp<std::int64_t>(to, 0, count());
        if (from >= to)
            return {};
        const std::size_t begin = offset(static_cast<std::size_t>(from));
        return m_title.substr(begin, offset(static_cast<std::size_t>(to)) - begin);
    }

private:
    static constexpr std::size_t kKept = 256;

    std::size_t offset(std::size_t index) const
    {
        if (index >= m_count)
            return m_title.size();
        if (index < kKept)
            return m_starts[index];
        const std::size_t last = m_starts[kKept - 1];
        return last + platform::CharOffset(m_title.substr(last), index - (kKept - 1));
    }

    std::string_view m_title;
    std::size_t m_count = 0;
    std::size_t m_starts[kKept];
};

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Where needle next occurs in an ASCII title at or after from; with
// ignoreCase the title's letters compare upper-cased.
std::size_t FindInAscii(std::string_view title, std::string_view needle, std::size_t from, bool ignoreCase)
{
    if (!ignoreCase)
        return title.find(needle, from);
    for (std::size_t at = from; at + needle.size() <= title.size(); ++at) {
        std::size_t i = 0;
        while (i < needle.size() && AsciiUpper(title[at + i]) == needle[i])
            ++i;
        if (i == needle.size())
            return at;
    }
    return std::string_view::npos;
}

// An ASCII title: every byte is a character and upper-casing keeps each in
// place, so a match is found in the title itself, without an upper-cased copy
// or a table of where characters begin. A needle with other bytes never matches.
void ReplaceInAscii(std::string &out, std::string_view title, std::string_view needle,
                    std::string_view replacement, bool ignoreCase)
{
    std::size_t copied = 0;
    for (std::size_t found;
         (found = FindInAscii(title, needle, copied, ignoreCase)) != std::string_view::npos;) {
        out.append(title.substr(copied, found - copied)).append(replacement);
        copied = found + needle.size();
    }
    out.append(title.substr(copied));
}

// Any other title. The key is searched, the title is copied. Upper-casing
// maps each character to exactly one character, so the k-th character of the
// key stands for the k-th character of the title even where byte lengths
// differ.
void ReplaceInText(std::string &out, std::string_view title, std::string_view needle,
                   std::string_view replacement, bool ignoreCase)
{
    // The upper-cased title goes into a buffer kept for each thread, which
    // keeps its room from name to name.
    thread_local std::string upperTitle;
    std::string_view key = title;
    if (ignoreCase) {
        upperTitle.clear();
        platform::AppendUpper(upperTitle, title);
        key = upperTitle;
    }
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

    std::size_t copiedChars = 0; // characters of the title already handled
    std::size_t searchFrom = 0;
    for (;;) {
        const std::size_t found = key.find(needle, searchFrom);
        if (found == std::string_view::npos)
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
    out.append(titleStarts.empty() ? title : title.substr(titleStarts[copiedChars]));
}

// The pattern upper-cased. It is the same for every name of a run, so the
// last one is kept, for each thread that computes names.
std::string_view UpperCasedPattern(std::string_view pattern)
{
    thread_local std::string last;
    thread_local std::string upper;
    if (pattern != last) {
        upper = platform::ToUpper(pattern);
        last.assign(pattern);
    }
    return upper;
}

} // namespace

void ReplaceOccurrences(std::string &out, std::string_view title, std::string_view pattern,
                        std::string_view replacement, bool ignoreCase)
{
    const std::string_view needle = ignoreCase ? UpperCasedPattern(pattern) : pattern;
    if (needle.empty())
        out.append(title);
    else if (platform::IsAscii(title))
        ReplaceInAscii(out, title, needle, replacement, ignoreCase);
    else
        ReplaceInText(out, title, needle, replacement, ignoreCase);
}

bool ReplaceCharRange(std::string &out, std::string_view title, RangePosition where, int position, int width,
                      std::string_view replacement)
{
    const CharSlicer t(title);
    const std::int64_t n = t.count();
    const std::int64_t w = width;
    std::int64_t k = 0; // the first replaced character
    switch (where) {
    case RangePosition::First:
        out.append(replacement);
        if (n >= w)
            out.append(t.slice(w, n));
        return true;
    case RangePosition::Last:
        if (n >= w)
            out.append(t.slice(0, n - w));
        out.append(replacement);
        return true;
    case RangePosition::FromFront:
        k = std::int64_t{position} - 1;
        break;
    case RangePosition::FromBack:
        k = std::max<std::int64_t>(n - position, 0);
        break;
    default:
        return false;
    }
    out.append(k >= n ? t.slice(0, n - 1) : t.slice(0, k));
    out.append(replacement);
    if (k + w <= n)
        out.append(t.slice(k + w, n));
    return true;
}

bool InsertChars(std::string &out, std::string_view title, InsertPosition where, int position,
                 std::string_view text)
{
    const CharSlicer t(title);
    const std::int64_t n = t.count();
    std::int64_t k = 0; // the characters of the title before the text
    switch (where) {
    case InsertPosition::BeforeTitle:
        break;
    case InsertPosition::AfterTitle:
        k = n;
        break;
    case InsertPosition::FromFront:
        k = std::int64_t{position} - 1;
        break;
    case InsertPosition::FromBack:
        k = n - position + 1;
        break;
    default:
        return false;
    }
    out.append(t.slice(0, k)).append(text).append(t.slice(k, n));
    return true;
}

} // namespace engine
