#include "platform/Wildcard.h"

#include "platform/Text.h"

namespace platform {

namespace {

// Matches folded text against a folded pattern, one character (UTF-8 sequence
// or invalid byte) at a time. On a mismatch after a "*" the star takes one
// more character and matching resumes, which keeps the work at most
// pattern length times name length.
bool MatchFolded(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
            continue;
        }
        const std::size_t nameChar = CharLength(name, n);
        if (p < pattern.size()) {
            const std::size_t patternChar = CharLength(pattern, p);
            if (pattern[p] == '?' ||
                (patternChar == nameChar && pattern.compare(p, patternChar, name, n, nameChar) == 0)) {
                p += patternChar;
                n += nameChar;
                continue;
            }
        }
        if (starP == std::string_view::npos)
            return false;
        p = starP;
        starN += CharLength(name, starN);
        n = starN;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) : m_folded(ToLower(pattern))
{
    m_optionalDotStar = m_folded.size() >= 2 && m_folded.ends_with(".*");
    m_matchesAll = m_folded == "*" || m_folded == "*.*";
}

bool WildcardPattern::Matches(std::string_view name) const
{
    if (m_matchesAll)
        return true;
    const std::string folded = ToLower(name);
    if (MatchFolded(m_folded, folded))
        return true;
    return m_optionalDotStar &&
           MatchFolded(std::string_view(m_folded).substr(0, m_folded.size() - 2), folded);
}

bool MatchWildcard(std::string_view pattern, std::string_view name)
{
    return WildcardPattern(pattern).Matches(name);
}

std::vector<std::string> SplitPatternList(std::string_view list)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos)
            end = list.size();
        std::string_view part = list.substr(start, end - start);
        while (!part.empty() && IsBlank(part.front()))
            part.remove_prefix(1);
        while (!part.empty() && IsBlank(part.back()))
            part.remove_suffix(1);
        if (!part.empty())
            patterns.emplace_back(part);
        start = end + 1;
    }
    if (patterns.empty())
        patterns.emplace_back("*.*");
    return patterns;
}

} // namespace platform
