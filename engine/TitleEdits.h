#pragma once

#include <optional>
#include <string>
#include <string_view>

// The edits of the replace, range-replace and insert modes on a title. They
// count characters, not bytes: one UTF-8 sequence or one invalid byte is one
// character, and a cut never falls inside a character.
namespace engine {

// Every occurrence of pattern (non-empty) in title, left to right and not
// overlapping, replaced by replacement. With ignoreCase, letters compare after
// upper-casing both sides; text outside the matches keeps its case. Matches
// begin and end only at character boundaries of the title.
std::string ReplaceOccurrences(std::string_view title, std::string_view pattern, std::string_view replacement,
                               bool ignoreCase);

// Replaces width characters of title by replacement. mode: 0 the first width
// characters, 1 beginning at character position (1-based) from the front,
// 2 the last width characters, 3 beginning at character position from the
// back. A position beyond the end replaces the last character. Nothing for
// another mode.
std::optional<std::string> ReplaceCharRange(std::string_view title, int mode, int position, int width,
                                            std::string_view replacement);

// Inserts text into title. mode: 0 before it, 1 so that it begins at character
// position (1-based) from the front, 2 after it, 3 so that position - 1
// characters follow it. Nothing for another mode.
std::optional<std::string> InsertChars(std::string_view title, int mode, int position, std::string_view text);

} // namespace engine
