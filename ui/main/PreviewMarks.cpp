#include "ui/main/PreviewMarks.h"

#include "engine/RenameSettings.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

const std::unordered_set<std::string> &CExistingNames::NamesIn(const std::string &directory)
{
    auto found = m_directories.find(directory);
    if (found == m_directories.end()) {
        std::unordered_set<std::string> names;
        platform::ListDirectory(directory, {},
                                [&names](const platform::DirEntryInfo &info) { names.insert(info.name); });
        found = m_directories.emplace(directory, std::move(names)).first;
    }
    return found->second;
}

namespace {

// The directory a renamed file or folder goes to: folders stay where they
// are, files go where the output mode sends them.
std::string TargetDirectory(const CFileEntry &entry, int row, const CRenameSettings &settings)
{
    if (settings.ObjMode == 1)
        return entry.directory;
    return platform::SplitPath(settings.ComputeTargetPath(entry, row)).directory;
}

PreviewMark NameMark(const std::string &name)
{
    if (name.empty())
        return PreviewMark::Empty;
    // The file operations drop trailing dots; what remains must be a name.
    const std::size_t kept = name.find_last_not_of('.');
    if (kept == std::string::npos || platform::CheckFileName(std::string_view(name).substr(0, kept + 1)) != 0)
        return PreviewMark::Refused;
    return PreviewMark::None;
}

} // namespace

std::vector<PreviewMark> ComputePreviewMarks(const std::vector<CFileEntry> &rows,
                                             const CRenameSettings &settings,
                                             const std::unordered_set<std::string> &candidatePaths,
                                             CExistingNames &existing)
{
    std::vector<PreviewMark> marks(rows.size(), PreviewMark::None);
    if (settings.RenameMode == kModeNumberedDirs || settings.RenameMode == kModeConcatenate)
        return marks;

    // Per target directory: each new name with the first row that gets it,
    // so that both rows of a collision are marked.
    std::unordered_map<std::string, std::unordered_map<std::string, std::size_t>> given;
    // The target directory depends only on the entry's directory: it is
    // looked up again only when that changes from one row to the next.
    const std::string *sourceDirectory = nullptr;
    std::string directory;
    std::unordered_map<std::string, std::size_t> *givenHere = nullptr;
    const std::unordered_set<std::string> *existingHere = nullptr;

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CFileEntry &entry = rows[i];
        if (entry.isDummy)
            continue;
        const int row = static_cast<int>(i);
        std::string name = settings.ComputeNewName(entry, row);
        marks[i] = NameMark(name);
        if (marks[i] != PreviewMark::None)
            continue;
        name.erase(name.find_last_not_of('.') + 1);
        if (!sourceDirectory || *sourceDirectory != entry.directory) {
            sourceDirectory = &entry.directory;
            directory = TargetDirectory(entry, row, settings);
            givenHere = &given[directory];
            if (givenHere->empty())
                givenHere->reserve(rows.size() - i);
            existingHere = &existing.NamesIn(directory);
        }
        const auto [first, inserted] = givenHere->emplace(name, i);
        if (!inserted) {
            marks[i] = PreviewMark::Duplicate;
            marks[first->second] = PreviewMark::Duplicate;
            continue;
        }
        // A name on disk is in the way unless it is the entry's own or that
        // of another listed entry, which moves away first.
        if (existingHere->count(name) == 0 || (directory == entry.directory && name == entry.fileName))
            continue;
        if (candidatePaths.count(platform::JoinPath(directory, name)) == 0)
            marks[i] = PreviewMark::Existing;
    }
    return marks;
}

std::string PreviewMarkText(PreviewMark mark)
{
    switch (mark) {
    case PreviewMark::None:
        break;
    case PreviewMark::Empty:
        return "新しい名前が空です。";
    case PreviewMark::Refused:
        return "この名前は使えません。";
    case PreviewMark::Duplicate:
        return "他の行と同じ名前になります。";
    case PreviewMark::Existing:
        return "同じ名前のファイルが既にあります（リストにはありません）。";
    }
    return {};
}
