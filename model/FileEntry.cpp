#include "model/FileEntry.h"

#include "model/NumericKey.h"
#include "platform/Attributes.h"
#include "platform/Collation.h"
#include "platform/Paths.h"
#include "platform/Text.h"

#include <cstdio>

namespace {

std::string ApplyCaseMode(std::string text, int caseMode)
{
    switch (caseMode) {
    case 1:
        return platform::ToUpper(text);
    case 2:
        return platform::ToLower(text);
    default:
        return text;
    }
}

} // namespace

CFileEntry::CFileEntry() : lastWriteTime(platform::CurrentTime()) {}

CFileEntry::CFileEntry(const platform::DirEntryInfo &info)
    : isFolder(info.isDirectory || (info.attributes & platform::kAttrDirectory) != 0),
      attributes(info.attributes), storedFlags(info.storedFlags), size(info.size), device(info.device),
      inode(info.inode), birth(info.birth), fullPath(platform::JoinPath(info.directory, info.name)),
      directory(info.directory), fileName(info.name), title(info.name), lastWriteTime(info.lastWriteTime)
{
    // A folder has no extension: its title is its whole name, so that a new
    // name built from title and extension keeps every part of it.
    if (isFolder)
        return;
    // A "." never occurs inside a multi-byte UTF-8 character, so a byte search finds the last dot.
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos)
        return;
    title = fileName.substr(0, dot);
    extension = fileName.substr(dot + 1);
}

std::string CFileEntry::GetDisplayName(int caseMode, bool withPath) const
{
    std::string text = ApplyCaseMode(withPath ? fullPath : fileName, caseMode);
    if (isDummy)
        text += "<DUMMY>";
    return text;
}

std::string CFileEntry::GetDisplayTitle(int caseMode, bool withDirectory) const
{
    return ApplyCaseMode(withDirectory ? platform::JoinPath(directory, title) : title, caseMode);
}

std::string CFileEntry::GetSizeText(bool inBytes) const
{
    if (isFolder)
        return {};
    char text[32];
    if (inBytes) {
        std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(size));
    } else {
        // Rounded up without the overflow that size + 1023 would have near the top of the range.
        const std::uint64_t kilobytes = size / 1024 + (size % 1024 != 0 ? 1 : 0);
        std::snprintf(text, sizeof text, "%lluKB", static_cast<unsigned long long>(kilobytes));
    }
    return text;
}

std::string CFileEntry::GetTimeText() const
{
    return platform::FormatLocalTime(lastWriteTime, "%Y/%m/%d %H:%M:%S");
}

std::string CFileEntry::GetAttributeText() const
{
    return platform::FormatAttributeLetters(attributes);
}

std::string CFileEntry::GetSortKey(SortKey key, bool numeric) const
{
    switch (key) {
    case SortKey::Name:
        if (!numeric)
            return isFolder ? " " + fileName : fileName;
        // A file key may now begin with up to ten blanks of a number field, so a
        // single blank would no longer put folders first; one blank more than
        // the field does.
        return std::string(isFolder ? kNumberFieldWidth + 1 : 0, ' ') + RewriteDigitRuns(fileName);
    case SortKey::Size: {
        // Twenty digits hold every 64-bit size, so large files order correctly.
        char text[32];
        std::snprintf(text, sizeof text, "%020llu", static_cast<unsigned long long>(size));
        return text;
    }
    case SortKey::Type:
        return typeName;
    case SortKey::Time:
        return GetTimeText();
    case SortKey::Attributes:
        return GetAttributeText();
    case SortKey::FullPath:
        return fullPath;
    case SortKey::None:
        break;
    }
    return {};
}

int CFileEntry::CompareEntries(const CFileEntry &a, const CFileEntry &b, SortKey key, bool numeric,
                               int direction)
{
    const int order = platform::CompareCollated(a.GetSortKey(key, numeric), b.GetSortKey(key, numeric));
    return direction < 0 ? -order : order;
}
