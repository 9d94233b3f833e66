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

// Appends one character converted as ConvertChar describes.
void AppendConverted(const CRenameSettings &s, std::string &out, std::string_view character,
                     int caseOperation, bool widthFlag)
{
    char32_t c = 0;
    if (platform::DecodeChar(character, 0, c) == 0) {
        out.append(character); // an invalid byte stays as it is
        return;
    }
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

// Appends every character of text converted; the first one with
// firstOperation, the others with caseOperation.
void AppendConvertedText(const CRenameSettings &s, std::string &out, std::string_view text,
                         int firstOperation, int caseOperation, bool widthFlag)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = platform::CharLength(text, pos);
        AppendConverted(s, out, text.substr(pos, length), pos == 0 ? firstOperation : caseOperation,
                        widthFlag);
        pos += length;
    }
}

} // namespace

std::string CRenameSettings::ConvertCharKinds(const std::string &title, const std::string &extension) const
{
    const PartCase titleCase = PartCaseOf(IsCase, FileCase);
    const PartCase extensionCase = PartCaseOf(IsCase, ExtensionCase);
    std::string out;
    out.reserve(title.size() + 1 + extension.size());
    AppendConvertedText(*this, out, title, titleCase.first, titleCase.rest, true);
    out.push_back('.');
    AppendConvertedText(*this, out, extension, extensionCase.first, extensionCase.rest, false);
    return out;
}

std::string CRenameSettings::ConvertChar(std::string_view character, int caseOperation, bool widthFlag) const
{
    std::string out;
    AppendConvertedText(*this, out, character, caseOperation, caseOperation, widthFlag);
    return out;
}
