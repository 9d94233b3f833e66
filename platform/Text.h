#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character services on UTF-8 byte strings. One character is one valid UTF-8
// sequence; a byte that is not part of a valid sequence counts as one
// character by itself and is always kept unchanged.
namespace platform {

// Number of bytes of the character that starts at byte pos (1 for an invalid
// byte; 0 when pos is at or past the end).
std::size_t CharLength(std::string_view s, std::size_t pos);

// Code point and byte length of the valid UTF-8 sequence at pos; returns 0
// (and leaves codePoint alone) when the byte at pos begins no valid sequence
// or pos is at or past the end.
std::size_t DecodeChar(std::string_view s, std::size_t pos, char32_t &codePoint);

// Writes the UTF-8 form of a code point (at most U+10FFFF) to out, which has
// room for four bytes; returns the end of what it wrote. Inline: text
// conversions write a character at a time.
inline char *WriteChar(char *out, char32_t c)
{
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Appends the UTF-8 form of a code point (at most U+10FFFF).
void AppendChar(std::string &out, char32_t codePoint);

// True when every byte of s is ASCII: each byte is then one character.
bool IsAscii(std::string_view s);

// Number of characters of s.
std::size_t CountChars(std::string_view s);

// Byte offset at which character number index begins; s.size() when index is
// at or past the number of characters.
std::size_t CharOffset(std::string_view s, std::size_t index);

// Unicode simple case mapping of every letter; invalid bytes and characters
// without a mapping are copied unchanged.
std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);
// ToUpper appended to out: a buffer used again keeps its room.
void AppendUpper(std::string &out, std::string_view s);

// The same mapping for one code point.
char32_t UpperOf(char32_t c);
char32_t LowerOf(char32_t c);

// True when a and b differ at most in the case of ASCII letters (for names
// of our own, such as settings fields and URI schemes).
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The value of a hexadecimal digit (either letter case), or -1.
int HexDigitValue(char c);

// Appends bytes to out with every byte for which escaped() is true written as
// "%" and two upper-case hexadecimal digits.
void AppendPercentEncoded(std::string &out, std::string_view bytes, bool (*escaped)(unsigned char));

} // namespace platform
