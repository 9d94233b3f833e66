#include "platform/Text.h"

#include <QChar>

#include <algorithm>

namespace platform {

// Overlong forms, surrogates and values above U+10FFFF are not valid.
std::size_t DecodeChar(std::string_view s, std::size_t pos, char32_t &codePoint)
{
    if (pos >= s.size())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
    const std::size_t left = s.size() - pos;
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(i);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

void AppendChar(std::string &out, char32_t c)
{
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(WriteChar(bytes, c) - bytes));
}

namespace {

// Appends s with a one-code-point mapping applied to every valid character;
// ASCII bytes skip decoding, invalid bytes are copied as they are.
template <typename Map> void AppendMapped(std::string &out, std::string_view s, Map map)
{
    out.reserve(out.size() + s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const unsigned char lead = static_cast<unsigned char>(s[pos]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(map(lead)));
            ++pos;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = DecodeChar(s, pos, c);
        if (length == 0) {
            out.push_back(s[pos]);
            ++pos;
            continue;
        }
        const char32_t mapped = map(c);
        if (mapped == c)
            out.append(s.substr(pos, length));
        else
            AppendChar(out, mapped);
        pos += length;
    }
}

} // namespace

std::size_t CharLength(std::string_view s, std::size_t pos)
{
    if (pos >= s.size())
        return 0;
    if (static_cast<unsigned char>(s[pos]) < 0x80)
        return 1;
    char32_t ignored = 0;
    const std::size_t length = DecodeChar(s, pos, ignored);
    return length == 0 ? 1 : length;
}

bool IsAscii(std::string_view s)
{
    unsigned char bits = 0;
    for (const char c : s)
        bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

std::size_t CountChars(std::string_view s)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos))
        ++count;
    return count;
}

std::size_t CharOffset(std::string_view s, std::size_t index)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < s.size(); ++i)
        pos += CharLength(s, pos);
    return pos;
}

char32_t UpperOf(char32_t c)
{
    if (c < 0x80)
        return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
    return QChar::toUpper(c);
}

char32_t LowerOf(char32_t c)
{
    if (c < 0x80)
        return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
    return QChar::toLower(c);
}

void AppendUpper(std::string &out, std::string_view s)
{
    AppendMapped(out, s, [](char32_t c) { return UpperOf(c); });
}

std::string ToUpper(std::string_view s)
{
    std::string out;
    AppendUpper(out, s);
    return out;
}

std::string ToLower(std::string_view s)
{
    std::string out;
    AppendMapped(out, s, [](char32_t c) { return LowerOf(c); });
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

void AppendPercentEncoded(std::string &out, std::string_view bytes, bool (*escaped)(unsigned char))
{
    static const char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (escaped(b)) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace platform
