#pragma once

#include "engine/SettingChoices.h"

#include <string>
#include <string_view>

// The edits of the replace, range-replace and insert modes on a title, each
// appending the edited title to out. They count characters, not bytes: one
// UTF-8 sequence or one invalid byte is one character, and a cut never falls
// inside a character.
namespace engine {

// Every occurrence of pattern (non-empty) in title, left to right and not
// overlapping, replaced by replacement. With ignoreCase, letters compare after
// upper-casing both sides; text outside the matches keeps its case. Matches
// begin and end only at character boundaries of the title.
void ReplaceOccurrences(std::string &out, std::string_view title, std::string_view pattern,
                        std::string_view replacement, bool ignoreCase);

// Replaces width characters of title by replacement: the first width
// characters, those beginning at character position (1-based) from the front,
// the last width characters, or those beginning at character position from the
// back. A position beyond the end replaces the last character. False, with
// nothing appended, for a value that is none of these.
bool ReplaceCharRange(std::string &out, std::string_view title, RangePosition where, int position, int width,
                      std::string_view replacement);

// Inserts text into title: before it, so that it begins at character position
// (1-based) from the front, after it, or so that position - 1 characters
// follow it. False, with nothing appended, for a value that is none of these.
bool InsertChars(std::string &out, std::string_view title, InsertPosition where, int position,
                 std::string_view text);

} // namespace engine
