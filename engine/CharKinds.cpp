#include "engine/RenameSettings.h"
#include "platform/Text.h"
#include "platform/Width.h"

namespace {

// The case operation of a case setting (capitalised lowers all but the first
// character, see PartCaseOf). Settings outside the enumeration change nothing.
int CaseOperationOf(LetterCase caseSetting)
{
    switch (caseSetting) {
    case LetterCase::Upper:
        return CRenameSettings::kCaseUpper;
    case LetterCase::Lower:
    case LetterCase::Capitalised:
        return CRenameSettings::kCaseLower;
    default:
        return CRenameSettings::kCaseNone;
    }
}

// The case operations of the title or the extension: one for its first
// character, one for the others.
struct PartCase {
    int first;
    int rest;
};

PartCase PartCaseOf(bool isCase, LetterCase caseSetting)
{
    if (!isCase)
        return {CRenameSettings::kCaseNone, CRenameSettings::kCaseNone};
    const int rest = CaseOperationOf(caseSetting);
    return {caseSetting == LetterCase::Capitalised ? CRenameSettings::kCaseUpper : rest, rest};
}

// Whether the width settings ask for the full-width form of a character of
// this kind; otherwise the character keeps the width it has.
bool WantsFullWidth(const CRenameSettings &s, platform::CharKind kind, bool isFull)
{
    switch (kind) {
    case platform::CharKind::Katakana:
        return s.IsConvKana ? s.ConvKana != CharWidth::Half : isFull;
    case platform::CharKind::Digit:
        return s.IsConvNum ? s.ConvNum != CharWidth::Half : isFull;
    case platform::CharKind::Latin:
        return s.IsConvAlpha ? s.ConvAlpha != CharWidth::Half : isFull;
    case platform::CharKind::Other:
        break;
    }
    return isFull;
}

// Appends the valid non-ASCII character c converted as ConvertChar describes.
void AppendConverted(const CRenameSettings &s, std::string &out, char32_t c, int caseOperation,
                     bool widthFlag)
{
    const platform::HalfWidthForm half = platform::HalfWidthOf(c);
    if (half.second != 0) {
        // A voiced kana: it has no case, and its full-width form is itself,
        // kept whole rather than rebuilt from its two half-width parts.
        const bool full = !widthFlag || WantsFullWidth(s, platform::CharKind::Katakana, true);
        if (full) {
            platform::AppendChar(out, c);
        } else {
            platform::AppendChar(out, half.first);
            platform::AppendChar(out, half.second);
        }
        return;
    }
    char32_t cased = half.first;
    if (caseOperation == CRenameSettings::kCaseUpper)
        cased = platform::UpperOf(cased);
    else if (caseOperation == CRenameSettings::kCaseLower)
        cased = platform::LowerOf(cased);
    const bool isFull = half.first != c;
    const bool full = widthFlag ? WantsFullWidth(s, platform::KindOfHalfWidth(cased), isFull) : isFull;
    platform::AppendChar(out, full ? platform::FullWidthOf(cased) : cased);
}

// The width an ASCII letter or digit takes: ASCII is the half-width form, so
// only a setting that asks for full width changes it.
struct AsciiWidths {
    bool fullLatin;
    bool fullDigit;
};

// Writes an ASCII character converted as ConvertChar describes to p, which
// has room for three bytes, without decoding it or looking up its half-width
// form; returns the end of what it wrote.
char *WriteConvertedAscii(char *p, char c, int caseOperation, AsciiWidths widths)
{
    if (caseOperation == CRenameSettings::kCaseUpper && c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    else if (caseOperation == CRenameSettings::kCaseLower && c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    const bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if ((latin && widths.fullLatin) || (digit && widths.fullDigit))
        return platform::WriteChar(p, platform::FullWidthOf(static_cast<char32_t>(c)));
    *p = c;
    return p + 1;
}

// Appends every character of text converted; the first one with
// firstOperation, the others with caseOperation.
void AppendConvertedText(const CRenameSettings &s, std::string &out, std::string_view text,
                         int firstOperation, int caseOperation, bool widthFlag)
{
    const AsciiWidths widths{widthFlag && WantsFullWidth(s, platform::CharKind::Latin, false),
                             widthFlag && WantsFullWidth(s, platform::CharKind::Digit, false)};
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A run of ASCII characters is written straight into room made for
        // its widest form.
        std::size_t end = pos;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
            ++end;
        if (end > pos) {
            const std::size_t at = out.size();
            out.resize(at + 3 * (end - pos));
            char *p = out.data() + at;
            for (std::size_t i = pos; i < end; ++i)
                p = WriteConvertedAscii(p, text[i], i == 0 ? firstOperation : caseOperation, widths);
            out.resize(static_cast<std::size_t>(p - out.data()));
            pos = end;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = platform::DecodeChar(text, pos, c);
        if (length == 0) {
            out.push_back(text[pos]); // an invalid byte stays as it is
            ++pos;
            continue;
        }
        AppendConverted(s, out, c, pos == 0 ? firstOperation : caseOperation, widthFlag);
        pos += length;
    }
}

} // namespace

void CRenameSettings::ConvertCharKinds(std::string &out, std::string_view title,
                                       std::string_view extension) const
{
    const PartCase titleCase = PartCaseOf(IsCase, FileCase);
    const PartCase extensionCase = PartCaseOf(IsCase, ExtensionCase);
    AppendConvertedText(*this, out, title, titleCase.first, titleCase.rest, true);
    out.push_back('.');
    AppendConvertedText(*this, out, extension, extensionCase.first, extensionCase.rest, false);
}

std::string CRenameSettings::ConvertChar(std::string_view character, int caseOperation, bool widthFlag) const
{
    std::string out;
    AppendConvertedText(*this, out, character, caseOperation, caseOperation, widthFlag);
    return out;
}
