#include "engine/Counter.h"
#include "engine/RegexReplace.h"
#include "engine/RenameSettings.h"
#include "engine/TitleEdits.h"
#include "model/FileEntry.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <string_view>

std::string CRenameSettings::ComputeNewName(const CFileEntry &entry, int rowIndex,
                                            const engine::IMediaLookup &media) const
{
    // Names handed back as they are: a line of the names file, or the old
    // name where there is nothing to replace.
    if (RenameMode == RenameKind::FromFile) {
        if (rowIndex >= 0 && static_cast<std::size_t>(rowIndex) < InputLines.size())
            return InputLines[static_cast<std::size_t>(rowIndex)];
        return entry.fileName;
    }
    if (RenameMode == RenameKind::Replace && ReplaceStr1.empty())
        return entry.fileName;

    const std::string_view title = entry.title;
    const std::string_view extension = entry.extension;
    // Over a long list the title's bytes are seldom in the cache: they are
    // asked for now, so that fetching them overlaps with the work before the
    // title is read.
    __builtin_prefetch(title.data());
    // The name is built in one buffer, allocated once: room for three times
    // the old name (the most the character kinds make of it) and what the
    // settings' texts usually add.
    std::string name;
    name.reserve(3 * entry.fileName.size() + 16);
    const auto append = [&](const std::string &text) { AppendExpanded(name, text, entry, rowIndex, media); };
    // A user text with its placeholders expanded; the setting itself when it
    // has none, so that a fixed text is not copied for every name.
    std::string expandedText;
    const auto expand = [&](const std::string &text) -> std::string_view {
        if (text.find('%') == std::string::npos)
            return text;
        AppendExpanded(expandedText, text, entry, rowIndex, media);
        return expandedText;
    };
    // The shape of modes 0, 1, 3, 4 and 5: the mode's text, ".", the
    // extension (the entry's own, or a text of the settings where asked). The
    // dot is written even for an empty extension; the file operation drops a
    // trailing dot when the name reaches the disk.
    const auto withOwnExtension = [&] {
        name.push_back('.');
        name.append(extension);
        return std::move(name);
    };
    const auto withExtension = [&](bool change, const std::string &replacement) {
        if (!change)
            return withOwnExtension();
        name.push_back('.');
        append(replacement);
        return std::move(name);
    };
    switch (RenameMode) {
    case RenameKind::Renumber:
        append(RenumStr1);
        engine::AppendCounter(name, rowIndex, NumberStep, NumberStart, NumberWidth);
        append(RenumStr2);
        return withExtension(IsRenumExtensionChange, RenumExtension);
    case RenameKind::OldName:
        append(OrgStr1);
        name.append(title);
        append(OrgStr2);
        return withExtension(IsOrgExtensionChange, OrgExtension);
    case RenameKind::CharKind:
        ConvertCharKinds(name, title, extension);
        return name;
    case RenameKind::Replace:
        if (IsReplaceRegex)
            name = engine::RegexReplace(
                title, ReplaceStr1, IsReplaceCase, ReplaceStr2,
                [&](const std::string &text) { return ExpandFormat(text, entry, rowIndex, media); });
        else
            engine::ReplaceOccurrences(name, title, ReplaceStr1, expand(ReplaceStr2), IsReplaceCase);
        return withOwnExtension();
    case RenameKind::RangeReplace:
        if (!engine::ReplaceCharRange(name, title, ReplaceMode, ReplaceNum, ReplaceWidth, expand(ReplaceStr)))
            return {};
        return withOwnExtension();
    case RenameKind::Insert:
        if (!engine::InsertChars(name, title, InsertMode, InsertNum, expand(InsertStr)))
            return {};
        return withOwnExtension();
    case RenameKind::Format:
        append(FormatStr);
        return name;
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
    std::string name = NumDirStr;
    engine::AppendCounter(name, rowIndex, NumDirStep, NumDirStart, NumDirWidth);
    return name;
}

std::string CRenameSettings::GetPreviewTimeText(const CFileEntry &entry) const
{
    if (CreatesNumberedDirectories())
        return platform::Tr("engine", "処理実行日時");
    const bool unified = IsFileTimeChange && !ChoosesFolders();
    return platform::FormatLocalTime(unified ? FileTime : entry.lastWriteTime, "%Y/%m/%d %H:%M:%S");
}
