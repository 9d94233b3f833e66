#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The replace mode's regular expressions: PCRE2 patterns, compiled once per
// pattern and thread (with the JIT where there is one) and kept until the
// pattern changes.
namespace engine {

// Why a pattern does not compile: PCRE2's message and the offset, in
// characters of the pattern, where it stopped.
struct PatternError {
    std::string message;
    std::size_t offset = 0;
};

// Nothing when pattern compiles (caseless when asked), else why not.
std::optional<PatternError> CheckPattern(std::string_view pattern, bool caseless);

// Every match of pattern in title replaced, left to right, by replacement, in
// which "$1" to "$9" and "${name}" (or "${12}") stand for what a group
// matched (nothing for a group that took no part) and "$$" for "$"; the rest
// of the replacement is literal text, given to expandLiteral first (the
// format placeholders), so a "$" or "%" that a match brings in is kept as
// it is. A title that is valid UTF-8 is matched in UTF mode (characters),
// any other byte for byte, its bytes kept. A pattern that does not compile
// leaves the title as it is; a match of the empty string moves on by one
// character.
std::string RegexReplace(std::string_view title, std::string_view pattern, bool caseless,
                         std::string_view replacement,
                         const std::function<std::string(const std::string &)> &expandLiteral);

} // namespace engine
