#include "engine/RenameSettings.h"

#include "engine/RegexReplace.h"
#include "engine/SettingsFields.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <utility>

CRenameSettings::CRenameSettings()
{
    engine::ApplyDefaults(*this);
    // A new record numbers directories with three digits; a store without the
    // value gives one.
    NumDirWidth = 3;
}

void CRenameSettings::CopyFrom(const CRenameSettings &other)
{
    if (&other == this)
        return;
    // Everything but the run-time fields is persisted; copy the whole record
    // and put the run-time fields back.
    const bool inBatch = IsInBatch;
    std::vector<std::string> lines = std::move(InputLines);
    *this = other;
    IsInBatch = inBatch;
    InputLines = std::move(lines);
}

bool CRenameSettings::CreatesNumberedDirectories() const
{
    return RenameMode == RenameKind::NumberedDirectories;
}

bool CRenameSettings::Concatenates() const
{
    return RenameMode == RenameKind::Concatenation;
}

bool CRenameSettings::TakesNamesFromFile() const
{
    return RenameMode == RenameKind::FromFile;
}

bool CRenameSettings::ChoosesFolders() const
{
    return ObjMode == ObjectKind::Folders;
}

bool CRenameSettings::RenamesEntries() const
{
    return !CreatesNumberedDirectories() && !Concatenates();
}

bool CRenameSettings::RenamesFiles() const
{
    return RenamesEntries() && !ChoosesFolders();
}

bool CRenameSettings::TargetsFolders() const
{
    return CreatesNumberedDirectories() || (RenamesEntries() && ChoosesFolders());
}

bool CRenameSettings::UsesOutputFolder() const
{
    return RenamesFiles() && FileCopyMode != OutputKind::InPlace && !IsInBatch;
}

bool CRenameSettings::AdvancesNumbering() const
{
    return RenameMode == RenameKind::Renumber && IsIncrement;
}

void CRenameSettings::ResolveRelativePaths(const std::string &directory)
{
    for (std::string *path : {&OutputFile, &FileCopyDirectory, &InputFile})
        if (!path->empty() && !path->starts_with('/'))
            *path = platform::AbsolutePath(*path, directory);
}

StartProblem CRenameSettings::CheckStart() const
{
    if (Concatenates() && OutputFile.empty())
        return StartProblem::NoOutputFile;
    if (RenameMode == RenameKind::Format && FormatStr.empty())
        return StartProblem::NoFormat;
    if (TakesNamesFromFile() && InputFile.empty() && InputLines.empty())
        return StartProblem::NoNamesFile;
    if (UsesOutputFolder() && FileCopyDirectory.empty())
        return StartProblem::NoDestination;
    if (HasInvalidPattern())
        return StartProblem::InvalidPattern;
    return StartProblem::None;
}

bool CRenameSettings::HasInvalidPattern() const
{
    return RenameMode == RenameKind::Replace && IsReplaceRegex && !ReplaceStr1.empty() &&
           engine::CheckPattern(ReplaceStr1, IsReplaceCase).has_value();
}

std::string CRenameSettings::StartProblemMessage(StartProblem problem) const
{
    switch (problem) {
    case StartProblem::InvalidPattern: {
        const std::optional<engine::PatternError> error = engine::CheckPattern(ReplaceStr1, IsReplaceCase);
        if (!error)
            break;
        return platform::Fill(platform::Tr("engine", "正規表現が正しくありません（%1文字目）: %2"),
                              {std::to_string(error->offset + 1), error->message});
    }
    case StartProblem::NoDestination:
        return platform::Tr("engine", "移動先・複写先のディレクトリを指定してください。");
    case StartProblem::NoFormat:
        return platform::Tr("engine", "書式を指定してください。");
    case StartProblem::NoNamesFile:
        return platform::Tr("engine", "名前のファイルを指定してください。");
    case StartProblem::NoOutputFile:
        return platform::Tr("engine", "出力ファイルを指定してください。");
    case StartProblem::None:
        break;
    }
    return "";
}
