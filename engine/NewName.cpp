#include "engine/Counter.h"
#include "engine/RegexReplace.h"
#include "engine/RenameSettings.h"
#include "engine/TitleEdits.h"
#include "model/FileEntry.h"
#include "platform/Paths.h"

#include <optional>

namespace {

// The shape of modes 0, 1, 3, 4 and 5: the mode's text, ".", the extension.
// The dot is written even for an empty extension; the file operation drops a
// trailing dot when the name reaches the disk.
std::string WithExtension(std::string stem, const std::string &extension)
{
    stem.reserve(stem.size() + 1 + extension.size());
    stem.push_back('.');
    stem.append(extension);
    return stem;
}

std::string WithExtension(std::optional<std::string> stem, const std::string &extension)
{
    return stem ? WithExtension(std::move(*stem), extension) : std::string();
}

} // namespace

std::string CRenameSettings::ComputeNewName(const CFileEntry &entry, int rowIndex,
                                            const engine::IMediaLookup &media) const
{
    const auto expand = [&](const std::string &text) { return ExpandFormat(text, entry, rowIndex, media); };
    switch (RenameMode) {
    case RenameKind::Renumber: {
        std::string stem = expand(RenumStr1);
        stem += engine::FormatCounter(rowIndex, NumberStep, NumberStart, NumberWidth);
        stem += expand(RenumStr2);
        return WithExtension(std::move(stem),
                             IsRenumExtensionChange ? expand(RenumExtension) : entry.extension);
    }
    case RenameKind::OldName:
        return WithExtension(expand(OrgStr1) + entry.title + expand(OrgStr2),
                             IsOrgExtensionChange ? expand(OrgExtension) : entry.extension);
    case RenameKind::CharKind:
        return ConvertCharKinds(entry.title, entry.extension);
    case RenameKind::Replace:
        if (ReplaceStr1.empty())
            return entry.fileName;
        if (IsReplaceRegex)
            return WithExtension(
                engine::RegexReplace(entry.title, ReplaceStr1, IsReplaceCase, ReplaceStr2, expand),
                entry.extension);
        return WithExtension(
            engine::ReplaceOccurrences(entry.title, ReplaceStr1, expand(ReplaceStr2), IsReplaceCase),
            entry.extension);
    case RenameKind::RangeReplace:
        return WithExtension(
            engine::ReplaceCharRange(entry.title, ReplaceMode, ReplaceNum, ReplaceWidth, expand(ReplaceStr)),
            entry.extension);
    case RenameKind::Insert:
        return WithExtension(engine::InsertChars(entry.title, InsertMode, InsertNum, expand(InsertStr)),
                             entry.extension);
    case RenameKind::Format:
        return expand(FormatStr);
    case RenameKind::FromFile:
        if (rowIndex >= 0 && static_cast<std::size_t>(rowIndex) < InputLines.size())
            return InputLines[static_cast<std::size_t>(rowIndex)];
        return entry.fileName;
    default:
        return {};
    }
}

std::string CRenameSettings::ComputeTargetPath(const CFileEntry &entry, int rowIndex) const
{
    return platform::JoinPath(ComputeTargetDirectory(entry), ComputeNewName(entry, rowIndex));
}

std::string CRenameSettings::ComputeTargetDirectory(const CFileEntry &entry) const
{
    return UsesOutputFolder() ? platform::NormalizeDirectory(FileCopyDirectory) : entry.directory;
}

std::string CRenameSettings::GetNumberedDirName(int rowIndex) const
{
    return NumDirStr + engine::FormatCounter(rowIndex, NumDirStep, NumDirStart, NumDirWidth);
}

std::string CRenameSettings::GetPreviewTimeText(const CFileEntry &entry) const
{
    if (CreatesNumberedDirectories())
        return "処理実行日時";
    const bool unified = IsFileTimeChange && !ChoosesFolders();
    return platform::FormatLocalTime(unified ? FileTime : entry.lastWriteTime, "%Y/%m/%d %H:%M:%S");
}
