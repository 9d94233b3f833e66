#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CFileEntry;
class CRenameSettings;

// Why a row's new name will fail when the rename runs. The preview shows the
// computed name unchanged and marks the row with a colour and this reason.
enum class PreviewMark : std::uint8_t {
    None,
    Empty,     // the new name is empty
    Refused,   // ".", "..", only dots, "/" or NUL, or too long
    Duplicate, // another row gets the same new path
    Existing,  // an entry of that name exists and is not in the list
};

// The names in directories, read once per directory and kept until the
// window says the disk may have changed (rows added, a run, a refresh).
class CExistingNames {
public:
    const std::unordered_set<std::string> &NamesIn(const std::string &directory);
    void Invalidate() { m_directories.clear(); }

private:
    std::unordered_map<std::string, std::unordered_set<std::string>> m_directories;
};

// One pass over the rows: the mark of each row for the settings as they
// stand. Modes that rename nothing (numbered directories, concatenation) get
// no marks. candidatePaths holds the full paths of the listed entries.
std::vector<PreviewMark> ComputePreviewMarks(const std::vector<CFileEntry> &rows,
                                             const CRenameSettings &settings,
                                             const std::unordered_set<std::string> &candidatePaths,
                                             CExistingNames &existing);

// The tooltip text of a mark (empty for None).
std::string PreviewMarkText(PreviewMark mark);
