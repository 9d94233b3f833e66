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

// Writes the valid non-ASCII character c converted as ConvertChar describes
// to p; returns the end of what it wrote.
char *WriteConverted(const CRenameSettings &s, char *p, char32_t c, int caseOperation, bool widthFlag)
{
    const platform::HalfWidthForm half = platform::HalfWidthOf(c);
    if (half.second != 0) {
        // A voiced kana: it has no case, and its full-width form is itself,
        // kept whole rather than rebuilt from its two half-width parts.
        if (!widthFlag || WantsFullWidth(s, platform::CharKind::Katakana, true))
            return platform::WriteChar(p, c);
        return platform::WriteChar(platform::WriteChar(p, half.first), half.second);
    }
    char32_t cased = half.first;
    if (caseOperation == CRenameSettings::kCaseUpper)
        cased = platform::UpperOf(cased);
    else if (caseOperation == CRenameSettings::kCaseLower)
        cased = platform::LowerOf(cased);
    const bool isFull = half.first != c;
    const bool full = widthFlag ? WantsFullWidth(s, platform::KindOfHalfWidth(cased), isFull) : isFull;
    return platform::WriteChar(p, full ? platform::FullWidthOf(cased) : cased);
}

// The width an ASCII letter or digit takes: ASCII is the half-width form, so
// only a setting that asks for full width changes it.
struct AsciiWidths {
    bool fullLatin;
    bool fullDigit;
};

// Writes an ASCII character converted as ConvertChar describes to p, without
// decoding it or looking up its half-width form; returns the end of what it
// wrote.
char *WriteConvertedAscii(char *p, char c, int caseOperation, AsciiWidths widths)
{
    if (caseOperation == CRenameSettings::kCaseUpper && c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    else if (caseOperation == CRenameSettings::kCaseLower && c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    const bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if ((latin && widths.fullLatin) || (digit && widths.fullDigit))
        return platform::WriteChar(p, static_cast<char32_t>(c) + platform::kFullAsciiOffset);
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
    // Written straight into room made beforehand, three bytes for each byte
    // of text: an ASCII character becomes at most three bytes (its full-width
    // form), a character of two bytes or more at most two characters of up
    // to four bytes (a voiced kana split in two: six bytes from three).
    const std::size_t at = out.size();
    out.resize(at + 3 * text.size());
    char *p = out.data() + at;
    for (std::size_t pos = 0; pos < text.size();) {
        const int operation = pos == 0 ? firstOperation : caseOperation;
        const char byte = text[pos];
        if (static_cast<unsigned char>(byte) < 0x80) {
            p = WriteConvertedAscii(p, byte, operation, widths);
            ++pos;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = platform::DecodeChar(text, pos, c);
        if (length == 0) {
            *p++ = byte; // an invalid byte stays as it is
            ++pos;
            continue;
        }
        p = WriteConverted(s, p, c, operation, widthFlag);
        pos += length;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
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
