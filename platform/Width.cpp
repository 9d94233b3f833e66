#include "platform/Width.h"

#include "platform/Text.h"

#include <array>

namespace platform {

namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kHalfKanaFirst = 0xFF61;
constexpr char32_t kHalfKanaLast = 0xFF9F;
constexpr char32_t kHalfVoicedMark = 0xFF9E;
constexpr char32_t kHalfSemiVoicedMark = 0xFF9F;

// Full-width forms of U+FF61 to U+FF9F, in that order.
constexpr std::array<char32_t, kHalfKanaLast - kHalfKanaFirst + 1> kFullKana = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
    0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
    0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
    0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

// Half-width form of the full-width characters U+3000 to U+30FF: one or two
// code points, or none when the character has no half-width form.
constexpr char32_t kFullBlockFirst = 0x3000;
using HalfTable = std::array<HalfWidthForm, 0x100>;

constexpr HalfTable MakeHalfTable()
{
    HalfTable table{};
    for (char32_t half = kHalfKanaFirst; half <= kHalfKanaLast; ++half)
        table[kFullKana[half - kHalfKanaFirst] - kFullBlockFirst] = {half, 0};
    // A voiced kana follows its plain form in the block; a semi-voiced one
    // follows the voiced one (ハ バ パ).
    const auto addVoiced = [&](char32_t plain, char32_t mark, char32_t voiced) {
        table[voiced - kFullBlockFirst] = {table[plain - kFullBlockFirst].first, mark};
    };
    for (char32_t plain = 0x30AB; plain <= 0x30C1; plain += 2) // カ to チ
        addVoiced(plain, kHalfVoicedMark, plain + 1);
    for (char32_t plain = 0x30C4; plain <= 0x30C8; plain += 2) // ツ テ ト
        addVoiced(plain, kHalfVoicedMark, plain + 1);
    for (char32_t plain = 0x30CF; plain <= 0x30DB; plain += 3) { // ハ to ホ
        addVoiced(plain, kHalfVoicedMark, plain + 1);
        addVoiced(plain, kHalfSemiVoicedMark, plain + 2);
    }
    addVoiced(0x30A6, kHalfVoicedMark, 0x30F4); // ヴ
    addVoiced(0x30EF, kHalfVoicedMark, 0x30F7); // ヷ
    addVoiced(0x30F2, kHalfVoicedMark, 0x30FA); // ヺ
    table[0] = {U' ', 0};
    return table;
}

constexpr HalfTable kHalfTable = MakeHalfTable();

// Rewrites every valid character through convert(c, out); invalid bytes are
// copied unchanged.
template <typename Convert> std::string MapEachChar(std::string_view s, Convert convert)
{
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t c = 0;
        const std::size_t length = DecodeChar(s, pos, c);
        if (length == 0) {
            out.push_back(s[pos++]);
            continue;
        }
        convert(c, out);
        pos += length;
    }
    return out;
}

} // namespace

HalfWidthForm HalfWidthOf(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return {c - kFullAsciiOffset, 0};
    if (c >= kFullBlockFirst && c < kFullBlockFirst + kHalfTable.size()) {
        const HalfWidthForm form = kHalfTable[c - kFullBlockFirst];
        if (form.first != 0)
            return form;
    }
    return {c, 0};
}

char32_t FullWidthOf(char32_t c)
{
    if (c >= 0x21 && c <= 0x7E)
        return c + kFullAsciiOffset;
    if (c == U' ')
        return kIdeographicSpace;
    if (c >= kHalfKanaFirst && c <= kHalfKanaLast)
        return kFullKana[c - kHalfKanaFirst];
    return c;
}

std::string ToHalfWidth(std::string_view s)
{
    return MapEachChar(s, [](char32_t c, std::string &out) {
        const HalfWidthForm form = HalfWidthOf(c);
        AppendChar(out, form.first);
        if (form.second != 0)
            AppendChar(out, form.second);
    });
}

std::string ToFullWidth(std::string_view s)
{
    return MapEachChar(s, [](char32_t c, std::string &out) { AppendChar(out, FullWidthOf(c)); });
}

CharKind ClassifyHalfWidth(std::string_view s)
{
    char32_t c = 0;
    if (DecodeChar(s, 0, c) == 0)
        return CharKind::Other;
    return KindOfHalfWidth(HalfWidthOf(c).first);
}

CharKind KindOfHalfWidth(char32_t half)
{
    if (half >= kHalfKanaFirst && half <= kHalfKanaLast)
        return CharKind::Katakana;
    if (half >= U'0' && half <= U'9')
        return CharKind::Digit;
    if ((half >= U'A' && half <= U'Z') || (half >= U'a' && half <= U'z'))
        return CharKind::Latin;
    return CharKind::Other;
}

} // namespace platform
