#pragma once

#include <string>
#include <string_view>
#include <vector>

// Wildcard patterns as a directory search matches names: "*" stands for any
// run of characters, "?" for exactly one character, everything else for
// itself without regard to letter case (Unicode simple case mapping). A
// pattern that ends in ".*" also matches names without that dot, so "*.*"
// matches every name and "x.*" matches "x" as well as "x.txt".
namespace platform {

class WildcardPattern {
public:
    explicit WildcardPattern(std::string_view pattern);

    bool Matches(std::string_view name) const;

private:
    std::string m_folded;           // the pattern in lower case
    bool m_optionalDotStar = false; // m_folded ends in ".*", which may match nothing
    bool m_matchesAll = false;
};

bool MatchWildcard(std::string_view pattern, std::string_view name);

// The patterns of a ";"-separated list in their order, each without
// surrounding blanks; empty parts are dropped and a list without any pattern
// gives the single pattern "*.*". Duplicates are kept.
std::vector<std::string> SplitPatternList(std::string_view list);

} // namespace platform
