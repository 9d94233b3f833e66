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

// The new names of one pass with the first row that got each, to find the
// rows that collide. Open addressing over one slot array: a lookup touches a
// slot or two instead of a chain of separately allocated nodes, which matters
// because the pass runs on every change of a panel.
class GivenNames {
public:
    explicit GivenNames(std::size_t rows) : m_keys(rows)
    {
        std::size_t size = 16;
        while (size < rows * 2)
            size *= 2;
        m_slots.resize(size);
    }

    // The row that first got `name` in target directory number `directory`;
    // `row` itself when it is the first.
    std::size_t Take(std::size_t directory, const std::string &name, std::size_t row)
    {
        const std::size_t hash = std::hash<std::string>{}(name) ^ (directory * 0x9E3779B97F4A7C15ull);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot &slot = m_slots[at];
            if (slot.row == kFree) {
                slot = {hash, row};
                m_keys[row] = {directory, name};
                return row;
            }
            const Key &key = m_keys[slot.row];
            if (slot.hash == hash && key.directory == directory && key.name == name)
                return slot.row;
        }
    }

private:
    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);
    struct Slot {
        std::size_t hash = 0;
        std::size_t row = kFree;
    };
    struct Key {
        std::size_t directory = 0;
        std::string name;
    };
    std::vector<Slot> m_slots;
    std::vector<Key> m_keys;
};

} // namespace

std::vector<PreviewMark> ComputePreviewMarks(const std::vector<CFileEntry> &rows,
                                             const CRenameSettings &settings,
                                             const std::unordered_set<std::string> &candidatePaths,
                                             CExistingNames &existing)
{
    std::vector<PreviewMark> marks(rows.size(), PreviewMark::None);
    if (settings.RenameMode == kModeNumberedDirs || settings.RenameMode == kModeConcatenate)
        return marks;

    GivenNames given(rows.size());
    std::unordered_map<std::string, std::size_t> directoryNumbers;
    // The target directory depends only on the entry's directory: it is
    // looked up again only when that changes from one row to the next.
    const std::string *sourceDirectory = nullptr;
    std::string directory;
    std::size_t directoryNumber = 0;
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
            directoryNumber = directoryNumbers.emplace(directory, directoryNumbers.size()).first->second;
            existingHere = &existing.NamesIn(directory);
        }
        const std::size_t first = given.Take(directoryNumber, name, i);
        if (first != i) {
            marks[i] = PreviewMark::Duplicate;
            marks[first] = PreviewMark::Duplicate;
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
