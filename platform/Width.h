#pragma once

#include <string>
#include <string_view>

// Half-width and full-width forms of Japanese text: ASCII 0x21-0x7E and the
// full-width forms U+FF01-U+FF5E, the space and the ideographic space U+3000,
// half-width katakana and kana punctuation U+FF61-U+FF9F and their full-width
// forms. Characters without a counterpart, and invalid bytes, stay as they are.
namespace platform {

// The full-width forms of ASCII '!' to '~' (U+FF01 to U+FF5E) lie this far
// above them.
constexpr char32_t kFullAsciiOffset = 0xFEE0;

// Every character in its half-width form; a voiced or semi-voiced full-width
// katakana becomes two characters (ガ -> ｶﾞ).
std::string ToHalfWidth(std::string_view s);

// Every character in its full-width form, each by itself: the half-width
// voiced mark is not combined with the kana before it (ｶﾞ -> カ゛).
std::string ToFullWidth(std::string_view s);

// The kind of a character as the width conversion groups it, decided on the
// first character of s in its half-width form.
enum class CharKind { Katakana, Digit, Latin, Other };
CharKind ClassifyHalfWidth(std::string_view s);

// The same mappings for one code point. A half-width form has a second code
// point (the voiced or semi-voiced mark) only for voiced kana, else 0.
struct HalfWidthForm {
    char32_t first = 0;
    char32_t second = 0;
};
HalfWidthForm HalfWidthOf(char32_t c);
char32_t FullWidthOf(char32_t c);
// Kind of a code point that is already in its half-width form.
CharKind KindOfHalfWidth(char32_t half);

} // namespace platform
