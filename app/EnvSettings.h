#pragma once

#include "model/SortKey.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// One entry of the filter menu: a list of wildcard patterns separated by ";"
// (empty means every file) and the attributes whose files are hidden.
struct FilterRecord {
    std::string Title;
    std::string Filter;
    int IsHideDir = 0; // the hide mask applies to folders as well
    int IsNoReadOnly = 0;
    int IsNoHidden = 0;
    int IsNoSystem = 0;
    int IsNoArchive = 0;

    // Attribute bits of the entries this filter hides.
    std::uint32_t HideMask() const;
};

// Program-wide options: list display, behaviour around a run, the filters,
// start-up choices and the export options. Stored under key "Environment";
// loaded as a whole and saved by groups, so each dialog stores exactly the
// options it owns.
class CEnvSettings {
public:
    static constexpr std::size_t kFilterCount = 7;
    static constexpr int kFreeFilterIndex = 5;
    static constexpr int kNoFilterIndex = 6;

    CEnvSettings();

    // Page of the settings dialog shown first (group "First").
    int FirstCustom = 0;
    // List display (group "Disp").
    int FileCharMode = 0;
    int SrcListType = 0;
    int FileSizeType = 0;
    int SelectMode = 0;
    int SortMode = 0; // the selection list's sort key as stored: ListSortKey
    int RenamePath = 0;
    int IsGrid = 0;
    int IsSortDown = 0;
    int IsSortNum = 0;
    int IsDestSort = 0;
    // Behaviour (group "Environment").
    int IsAsk = 0;
    int IsDispLog = 0;
    int FilterMode = 0; // 0-4 filters 1-5, 5 free filter, 6 no filter
    // Filters 1-5, the free filter and the no-filter entry (group "StartUp").
    std::array<FilterRecord, kFilterCount> Filters;
    int DDMode = 0;
    int SelDirMode = 1;
    int HelpMode = 0;
    // Start-up (group "StartUp").
    int DataMode = 0;
    int WindowMode = 0;
    int DirectoryMode = 0;
    int SplitMode = 0;
    int IsMultiExec = 0;
    std::string DefDirectory;
    // Export of file lists (group "ExportList").
    int IsFileName = 1;
    int IsFileSize = 1;
    int IsFileType = 1;
    int IsFileTime = 1;
    int IsFileAttrib = 1;
    int IsFullPath = 1;
    int IsNoExtension = 0;
    int IsCoat = 0;
    int IsAddStrF = 0;
    int IsAddStrB = 0;

    // Reads every value, the default for each missing one, then sets the
    // fixed titles of the free filter and the no-filter entry.
    void Load();
    // Writes one group: "First", "Disp", "Environment", "StartUp",
    // "ExportList" or "All", compared without regard to case. Returns false
    // for an unknown group or when the store file could not be written.
    bool Save(const std::string &group) const;
    // Writes the free filter's pattern and flags (its title is fixed).
    bool SaveFreeFilter() const;

    void CopyFrom(const CEnvSettings &other);

    // SortMode as the key it stores, SortKey::Name to SortKey::Attributes (a
    // stored value out of that range gives the nearest of them).
    SortKey ListSortKey() const;
    void SetListSortKey(SortKey key);
};
