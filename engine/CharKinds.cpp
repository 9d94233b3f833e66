#include "engine/RenameSettings.h"
#include "platform/Text.h"
#include "platform/Width.h"

namespace {

// The case operation of a case setting: 0 none, 1 upper, 2 lower, 3 lower
// (capitalised: the first character of the title is made upper by the caller).
// Settings outside 0..3 change nothing.
int CaseOperationOf(int caseSetting)
{
    switch (caseSetting) {
    case 1:
        return CRenameSettings::kCaseUpper;
    case 2:
    case 3:
        return CRenameSettings::kCaseLower;
    default:
        return CRenameSettings::kCaseNone;
    }
}

} // namespace

std::string CRenameSettings::ConvertCharKinds(const std::string &title, const std::string &extension) const
{
    const int titleOperation = IsCase ? CaseOperationOf(FileCase) : kCaseNone;
    const int extensionOperation = IsCase ? CaseOperationOf(ExtensionCase) : kCaseNone;
    std::string out;
    out.reserve(title.size() + 1 + extension.size());
    for (std::size_t pos = 0; pos < title.size();) {
        const std::size_t length = platform::CharLength(title, pos);
        const bool capitalise = IsCase && FileCase == 3 && pos == 0;
        out += ConvertChar(std::string_view(title).substr(pos, length),
                           capitalise ? kCaseUpper : titleOperation, true);
        pos += length;
    }
    out.push_back('.');
    for (std::size_t pos = 0; pos < extension.size();) {
        const std::size_t length = platform::CharLength(extension, pos);
        out += ConvertChar(std::string_view(extension).substr(pos, length), extensionOperation, false);
        pos += length;
    }
    return out;
}

std::string CRenameSettings::ConvertChar(std::string_view character, int caseOperation, bool widthFlag) const
{
    const std::string half = platform::ToHalfWidth(character);
    std::string cased = half;
    if (caseOperation == kCaseUpper)
        cased = platform::ToUpper(half);
    else if (caseOperation == kCaseLower)
        cased = platform::ToLower(half);

    // By default a character keeps the width it has.
    bool useFull = half != character;
    if (widthFlag) {
        switch (platform::ClassifyHalfWidth(cased)) {
        case platform::CharKind::Katakana:
            if (IsConvKana)
                useFull = ConvKana != 0;
            break;
        case platform::CharKind::Digit:
            if (IsConvNum)
                useFull = ConvNum != 0;
            break;
        case platform::CharKind::Latin:
            if (IsConvAlpha)
                useFull = ConvAlpha != 0;
            break;
        case platform::CharKind::Other:
            break;
        }
    }
    if (!useFull)
        return cased;
    // A full-width character that the case operation left alone is its own
    // full-width form; this keeps a voiced kana such as ガ one character
    // instead of rebuilding it from ｶﾞ as カ゛.
    if (cased == half && half != character)
        return std::string(character);
    return platform::ToFullWidth(cased);
}
